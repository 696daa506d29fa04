<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>Announcements</name>
    <message>
        <source>Shot %1: hit.</source>
        <translation>Tir&#xa0;%1&#xa0;: touché.</translation>
    </message>
    <message>
        <source>Shot %1: miss.</source>
        <translation>Tir&#xa0;%1&#xa0;: raté.</translation>
    </message>
    <message>
        <source>%1. Success rate %2.</source>
        <translation>%1. Taux de réussite&#xa0;%2.</translation>
    </message>
    <message>
        <source>Ready: %1 shots per experiment. Firing fires one shot, AutoStart fires them automatically.</source>
        <translation>Prêt&#xa0;:&#xa0;%1 tirs par expérience. Firing tire une fois, AutoStart tire automatiquement.</translation>
    </message>
    <message>
        <source>Automatic firing. Only AutoStop can be used.</source>
        <translation>Tir automatique. Seul AutoStop est utilisable.</translation>
    </message>
    <message>
        <source>Automatic firing stopped.</source>
        <translation>Tir automatique arrêté.</translation>
    </message>
    <message>
        <source>Shot %1 of %2, %3 hit(s) in this experiment.</source>
        <translation>Tir&#xa0;%1 sur&#xa0;%2,&#xa0;%3 touché(s) dans cette expérience.</translation>
    </message>
</context>
<context>
    <name>ChartView</name>
    <message>
        <source>%1 %</source>
        <translation>%1&#xa0;%</translation>
    </message>
</context>
<context>
    <name>ClassReport</name>
    <message>
        <source>No class yet: add the results files of the class&apos;s computers (Add results...), or a tally counted by hand.</source>
        <translation>Pas encore de classe&#xa0;: ajoute les fichiers de résultats des ordinateurs de la classe (Ajouter des résultats...) ou un décompte fait à la main.</translation>
    </message>
    <message>
        <source>The class, pooled: 1 learner, %1 experiments at N = %2 with %3 successes, a success rate of %4.</source>
        <translation>La classe réunie&#xa0;: 1 élève,&#xa0;%1 expériences à N =&#xa0;%2 avec&#xa0;%3 réussites, un taux de réussite de&#xa0;%4.</translation>
    </message>
    <message>
        <source>The class, pooled: %1 learners, %2 experiments at N = %3 with %4 successes, a success rate of %5.</source>
        <translation>La classe réunie&#xa0;:&#xa0;%1 élèves,&#xa0;%2 expériences à N =&#xa0;%3 avec&#xa0;%4 réussites, un taux de réussite de&#xa0;%5.</translation>
    </message>
    <message>
        <source>That is within 2 standard errors (%1 points) of the theory, %2.</source>
        <translation>C&apos;est à moins de 2 erreurs types (%1 points) de la théorie,&#xa0;%2.</translation>
    </message>
    <message>
        <source>That is further than 2 standard errors (%1 points) from the theory, %2.</source>
        <translation>C&apos;est à plus de 2 erreurs types (%1 points) de la théorie,&#xa0;%2.</translation>
    </message>
    <message>
        <source>%1 of the %2 learners&apos; own rates lie within 2 standard errors of the theory; about 95 % should.</source>
        <translation>%1 des&#xa0;%2 taux des élèves sont à moins de 2 erreurs types de la théorie&#xa0;; environ 95&#xa0;% devraient l&apos;être.</translation>
    </message>
    <message>
        <source>%1 more at other numbers of shots count in the chart across N.</source>
        <translation>%1 de plus, à d&apos;autres nombres de tirs, comptent dans le graphique selon N.</translation>
    </message>
    <message>
        <source>%1 (counted by hand): %2 successes in %3 experiments at N = %4, %5</source>
        <translation>%1 (décompte à la main)&#xa0;:&#xa0;%2 réussites en&#xa0;%3 expériences à N =&#xa0;%4,&#xa0;%5</translation>
    </message>
    <message>
        <source>%1: %2 successes in %3 experiments at N = %4, %5</source>
        <translation>%1&#xa0;:&#xa0;%2 réussites en&#xa0;%3 expériences à N =&#xa0;%4,&#xa0;%5</translation>
    </message>
</context>
<context>
    <name>ClassTableModel</name>
    <message>
        <source>counted by hand</source>
        <translation>décompte à la main</translation>
    </message>
    <message>
        <source>Learner</source>
        <translation>Élève</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>Experiments</source>
        <translation>Expériences</translation>
    </message>
    <message>
        <source>Successes</source>
        <translation>Réussites</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Taux</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Source</translation>
    </message>
</context>
<context>
    <name>ControlRole</name>
    <message>
        <source>plays the sound cues</source>
        <translation>joue les sons</translation>
    </message>
    <message>
        <source>Target plot</source>
        <translation>Cible</translation>
    </message>
    <message>
        <source>returns to the main window</source>
        <translation>revient à la fenêtre principale</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Texte d&apos;aide</translation>
    </message>
</context>
<context>
    <name>FormWindow</name>
    <message>
        <source>Zoom In</source>
        <translation>Zoom avant</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Zoom arrière</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>Taille réelle</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Plein écran</translation>
    </message>
</context>
<context>
    <name>Handout</name>
    <message>
        <source>The class pooled: %1 experiments at N = %2, %3</source>
        <translation>La classe réunie&#xa0;:&#xa0;%1 expériences à N =&#xa0;%2,&#xa0;%3</translation>
    </message>
    <message>
        <source>%1 experiments at N = %2, %3</source>
        <translation>%1 expériences à N =&#xa0;%2,&#xa0;%3</translation>
    </message>
    <message>
        <source>Even those who shoot bad guns will hit it if they shoot a lot</source>
        <translation>À force de tirer, même avec un mauvais fusil, on finit par toucher</translation>
    </message>
</context>
<context>
    <name>MissGridView</name>
    <message>
        <source>The last 100 experiments</source>
        <translation>Les 100 dernières expériences</translation>
    </message>
    <message>
        <source>every shot missed</source>
        <translation>tous les tirs ratés</translation>
    </message>
</context>
<context>
    <name>PredictionField</name>
    <message>
        <source>none</source>
        <translation>aucune</translation>
    </message>
    <message>
        <source> %</source>
        <translation>&#xa0;%</translation>
    </message>
</context>
<context>
    <name>ResultsCharts</name>
    <message>
        <source>theory ± 2 standard errors</source>
        <translation>théorie ± 2 erreurs types</translation>
    </message>
    <message>
        <source>Success rate as the experiments add up (N = %1)</source>
        <translation>Taux de réussite au fil des expériences (N =&#xa0;%1)</translation>
    </message>
    <message>
        <source>Success rate as the experiments add up</source>
        <translation>Taux de réussite au fil des expériences</translation>
    </message>
    <message>
        <source>experiments (log scale)</source>
        <translation>expériences (échelle log.)</translation>
    </message>
    <message>
        <source>success rate</source>
        <translation>taux de réussite</translation>
    </message>
    <message>
        <source>your prediction</source>
        <translation>ta prédiction</translation>
    </message>
    <message>
        <source>naive guess N × 10 %</source>
        <translation>estimation naïve N × 10&#xa0;%</translation>
    </message>
    <message>
        <source>theory 1 − 0.9^N</source>
        <translation>théorie 1 − 0,9^N</translation>
    </message>
    <message>
        <source>experiments</source>
        <translation>expériences</translation>
    </message>
    <message>
        <source>Successes minus the successes expected (N = %1)</source>
        <translation>Réussites moins réussites attendues (N =&#xa0;%1)</translation>
    </message>
    <message>
        <source>Successes minus the successes expected</source>
        <translation>Réussites moins réussites attendues</translation>
    </message>
    <message>
        <source>successes − expected</source>
        <translation>réussites − attendues</translation>
    </message>
    <message>
        <source>± 2 standard deviations</source>
        <translation>± 2 écarts types</translation>
    </message>
    <message>
        <source>as expected: n × (1 − 0.9^N)</source>
        <translation>comme attendu&#xa0;: n × (1 − 0,9^N)</translation>
    </message>
    <message>
        <source>Hits per experiment</source>
        <translation>Touchés par expérience</translation>
    </message>
    <message>
        <source>hits in an experiment</source>
        <translation>touchés dans une expérience</translation>
    </message>
    <message>
        <source>expected (binomial, 1 in 10)</source>
        <translation>attendu (binomiale, 1 sur 10)</translation>
    </message>
    <message>
        <source>0 hits: %1, expected 0.9^%2 = %3</source>
        <translation>0 touché&#xa0;:&#xa0;%1, attendu 0,9^%2 =&#xa0;%3</translation>
    </message>
    <message>
        <source>At least one hit, against N</source>
        <translation>Au moins un touché, selon N</translation>
    </message>
    <message>
        <source>shots per experiment N</source>
        <translation>tirs par expérience N</translation>
    </message>
    <message>
        <source>chance of success</source>
        <translation>chance de réussite</translation>
    </message>
    <message>
        <source>your predictions</source>
        <translation>tes prédictions</translation>
    </message>
    <message>
        <source>experiments, with 95 % intervals</source>
        <translation>expériences (IC à 95&#xa0;%)</translation>
    </message>
    <message>
        <source>Each learner&apos;s success rate (N = %1)</source>
        <translation>Taux de réussite de chaque élève (N =&#xa0;%1)</translation>
    </message>
    <message>
        <source>Each learner&apos;s success rate</source>
        <translation>Taux de réussite de chaque élève</translation>
    </message>
    <message>
        <source>learners</source>
        <translation>élèves</translation>
    </message>
    <message>
        <source>counted by hand</source>
        <translation>décompte à la main</translation>
    </message>
    <message>
        <source>the class pooled, with 95 % interval</source>
        <translation>toute la classe (IC à 95&#xa0;%)</translation>
    </message>
    <message>
        <source>The class pooled: %1 successes in %2 experiments, %3</source>
        <translation>La classe réunie&#xa0;:&#xa0;%1 réussites en&#xa0;%2 expériences,&#xa0;%3</translation>
    </message>
</context>
<context>
    <name>ResultsFile</name>
    <message>
        <source>it is not a results file of Shoot a Lot (its first line should name the columns experiment, shots, hits, verdict and success_rate)</source>
        <translation>ce n&apos;est pas un fichier de résultats de Shoot a Lot (sa première ligne doit nommer les colonnes experiment, shots, hits, verdict et success_rate)</translation>
    </message>
    <message>
        <source>line %1 is cut short</source>
        <translation>la ligne&#xa0;%1 est coupée</translation>
    </message>
    <message>
        <source>line %1: the experiment number &quot;%2&quot; is not a whole number</source>
        <translation>ligne&#xa0;%1&#xa0;: le numéro d&apos;expérience «&#xa0;%2&#xa0;» n&apos;est pas un nombre entier</translation>
    </message>
    <message>
        <source>line %1: experiment %2 where experiment %3 should come (were rows sorted, deleted or added?)</source>
        <translation>ligne&#xa0;%1&#xa0;: expérience&#xa0;%2 là où devrait venir l&apos;expérience&#xa0;%3 (des lignes ont-elles été triées, supprimées ou ajoutées&#xa0;?)</translation>
    </message>
    <message>
        <source>line %1: &quot;%2&quot; shots an experiment, where the program fires 5 to 50</source>
        <translation>ligne&#xa0;%1&#xa0;: «&#xa0;%2&#xa0;» tirs par expérience, alors que le programme en tire de 5 à 50</translation>
    </message>
    <message>
        <source>line %1: %2 shots an experiment, where the file&apos;s first experiment had %3</source>
        <translation>ligne&#xa0;%1&#xa0;:&#xa0;%2 tirs par expérience, alors que la première expérience du fichier en avait&#xa0;%3</translation>
    </message>
    <message>
        <source>line %1: &quot;%2&quot; hits in an experiment of %3 shots</source>
        <translation>ligne&#xa0;%1&#xa0;: «&#xa0;%2&#xa0;» touchés dans une expérience de&#xa0;%3 tirs</translation>
    </message>
    <message>
        <source>line %1: the verdict &quot;%2&quot; does not follow from %3 hits</source>
        <translation>ligne&#xa0;%1&#xa0;: le verdict «&#xa0;%2&#xa0;» ne découle pas de&#xa0;%3 touchés</translation>
    </message>
    <message>
        <source>line %1: the success rate &quot;%2&quot; is not what the verdicts so far give (%3)</source>
        <translation>ligne&#xa0;%1&#xa0;: le taux de réussite «&#xa0;%2&#xa0;» n&apos;est pas celui que donnent les verdicts jusque-là (%3)</translation>
    </message>
    <message>
        <source>line %1 is another learner&apos;s (%2, after %3): add each learner&apos;s own file</source>
        <translation>la ligne&#xa0;%1 est celle d&apos;un autre élève (%2, après&#xa0;%3)&#xa0;: ajoute le fichier propre à chaque élève</translation>
    </message>
    <message>
        <source>none named</source>
        <translation>sans nom</translation>
    </message>
    <message>
        <source>a quoted field from line %1 on is never closed</source>
        <translation>un champ entre guillemets à partir de la ligne&#xa0;%1 n&apos;est jamais fermé</translation>
    </message>
    <message>
        <source>it holds no experiments</source>
        <translation>il ne contient aucune expérience</translation>
    </message>
    <message>
        <source>it is not there (was it moved or the stick taken out?)</source>
        <translation>il n&apos;est pas là (déplacé, ou la clé USB retirée&#xa0;?)</translation>
    </message>
    <message>
        <source>you may not read it</source>
        <translation>tu n&apos;as pas le droit de le lire</translation>
    </message>
    <message>
        <source>the disk could not be read</source>
        <translation>le disque n&apos;a pas pu être lu</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>c&apos;est un dossier, pas un fichier</translation>
    </message>
    <message>
        <source>it is not a plain file (a pipe or a device)</source>
        <translation>ce n&apos;est pas un fichier ordinaire (un tube ou un périphérique)</translation>
    </message>
    <message>
        <source>it is larger than a results file can be (over %1 MB)</source>
        <translation>il est plus grand qu&apos;un fichier de résultats ne peut l&apos;être (plus de&#xa0;%1 Mo)</translation>
    </message>
    <message>
        <source>it could not be read: %1</source>
        <translation>il n&apos;a pas pu être lu&#xa0;:&#xa0;%1</translation>
    </message>
</context>
<context>
    <name>ResultsReport</name>
    <message>
        <source>%1 %</source>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>No experiment yet: the number of shots has not been chosen.</source>
        <translation>Pas encore d&apos;expérience&#xa0;: le nombre de tirs n&apos;est pas encore choisi.</translation>
    </message>
    <message>
        <source>No experiment judged yet at N = %1.</source>
        <translation>Aucune expérience jugée pour l&apos;instant à N =&#xa0;%1.</translation>
    </message>
    <message>
        <source>After 1 experiment at N = %1:</source>
        <translation>Après 1 expérience à N =&#xa0;%1&#xa0;:</translation>
    </message>
    <message>
        <source>After %1 experiments at N = %2:</source>
        <translation>Après&#xa0;%1 expériences à N =&#xa0;%2&#xa0;:</translation>
    </message>
    <message>
        <source>1 success, a success rate of %1.</source>
        <translation>1 réussite, un taux de réussite de&#xa0;%1.</translation>
    </message>
    <message>
        <source>%1 successes, a success rate of %2.</source>
        <translation>%1 réussites, un taux de réussite de&#xa0;%2.</translation>
    </message>
    <message>
        <source>That is within 2 standard errors (%1 points) of the theory.</source>
        <translation>C&apos;est à moins de 2 erreurs types (%1 points) de la théorie.</translation>
    </message>
    <message>
        <source>That is further than 2 standard errors (%1 points) from the theory.</source>
        <translation>C&apos;est à plus de 2 erreurs types (%1 points) de la théorie.</translation>
    </message>
    <message>
        <source>Theory: 1 - 0.9^%1 = %2. Naive guess: N x 10 % = %3.</source>
        <translation>Théorie&#xa0;: 1 - 0,9^%1 =&#xa0;%2. Estimation naïve&#xa0;: N x 10&#xa0;% =&#xa0;%3.</translation>
    </message>
    <message>
        <source>Your prediction: %1.</source>
        <translation>Ta prédiction&#xa0;:&#xa0;%1.</translation>
    </message>
    <message>
        <source>Your prediction, %1, matches the experiments.</source>
        <translation>Ta prédiction,&#xa0;%1, correspond aux expériences.</translation>
    </message>
    <message>
        <source>Your prediction, %1, is %2 points higher than the experiments.</source>
        <translation>Ta prédiction,&#xa0;%1, est de&#xa0;%2 points au-dessus des expériences.</translation>
    </message>
    <message>
        <source>Your prediction, %1, is %2 points lower than the experiments.</source>
        <translation>Ta prédiction,&#xa0;%1, est de&#xa0;%2 points en dessous des expériences.</translation>
    </message>
    <message>
        <source>Theory %1, naive guess %2.</source>
        <translation>Théorie&#xa0;%1, estimation naïve&#xa0;%2.</translation>
    </message>
    <message>
        <source>Success rate after %1 experiments: %2. The band of 2 standard errors runs from %3 to %4.</source>
        <translation>Taux de réussite après&#xa0;%1 expériences&#xa0;:&#xa0;%2. La bande de 2 erreurs types va de&#xa0;%3 à&#xa0;%4.</translation>
    </message>
    <message>
        <source>after %1: %2</source>
        <translation>après&#xa0;%1&#xa0;:&#xa0;%2</translation>
    </message>
    <message>
        <source>Along the way, %1.</source>
        <translation>En chemin&#xa0;:&#xa0;%1.</translation>
    </message>
    <message>
        <source>Your prediction %1.</source>
        <translation>Ta prédiction&#xa0;%1.</translation>
    </message>
    <message>
        <source>Successes minus the successes expected at N = %1: no experiment judged yet.</source>
        <translation>Réussites moins réussites attendues à N =&#xa0;%1&#xa0;: aucune expérience jugée pour l&apos;instant.</translation>
    </message>
    <message>
        <source>After %1 experiments at N = %2: %3 successes, %4 expected (%1 × %5); successes minus expected %6, the band of 2 standard deviations running from −%7 to +%7.</source>
        <translation>Après&#xa0;%1 expériences à N =&#xa0;%2&#xa0;:&#xa0;%3 réussites,&#xa0;%4 attendues (%1 ×&#xa0;%5)&#xa0;; réussites moins attendues&#xa0;%6, la bande de 2 écarts types allant de −%7 à +%7.</translation>
    </message>
    <message>
        <source>The last 100 experiments: none judged yet; theory: 100 × 0.9^%1 = %2 of 100 would miss every shot.</source>
        <translation>Les 100 dernières expériences&#xa0;: aucune jugée pour l&apos;instant&#xa0;; théorie&#xa0;: 100 × 0,9^%1 =&#xa0;%2 sur 100 rateraient tous les tirs.</translation>
    </message>
    <message>
        <source>The last 100 experiments: none judged yet.</source>
        <translation>Les 100 dernières expériences&#xa0;: aucune jugée pour l&apos;instant.</translation>
    </message>
    <message>
        <source>%1 of the first %2 experiments missed every shot; theory: 100 × 0.9^%3 = %4 in 100.</source>
        <translation>%1 des&#xa0;%2 premières expériences ont raté tous les tirs&#xa0;; théorie&#xa0;: 100 × 0,9^%3 =&#xa0;%4 sur 100.</translation>
    </message>
    <message>
        <source>%1 of the last 100 experiments missed every shot; theory: 100 × 0.9^%2 = %3.</source>
        <translation>%1 des 100 dernières expériences ont raté tous les tirs&#xa0;; théorie&#xa0;: 100 × 0,9^%2 =&#xa0;%3.</translation>
    </message>
    <message>
        <source>The rate settles on the theory while successes minus expected wanders ever wider: the difference grows like the square root of n, and n grows faster, so the counts never even out though the rate does.</source>
        <translation>Le taux se stabilise sur la théorie tandis que les réussites moins les attendues s&apos;écartent toujours plus&#xa0;: l&apos;écart croît comme la racine carrée de n, et n croît plus vite, si bien que les comptes ne s&apos;égalisent jamais alors que le taux, lui, le fait.</translation>
    </message>
    <message>
        <source>Hits per experiment at N = %1: no experiment judged yet; the failures will be those with 0 hits (expected share 0.9^%1 = %2).</source>
        <translation>Touchés par expérience à N =&#xa0;%1&#xa0;: aucune expérience jugée pour l&apos;instant&#xa0;; les échecs seront les expériences à 0 touché (part attendue 0,9^%1 =&#xa0;%2).</translation>
    </message>
    <message>
        <source>1 hit</source>
        <translation>1 touché</translation>
    </message>
    <message>
        <source>%1 hits</source>
        <translation>%1 touchés</translation>
    </message>
    <message>
        <source>%1: %2, expected %3</source>
        <translation>%1&#xa0;:&#xa0;%2, attendu&#xa0;%3</translation>
    </message>
    <message>
        <source>Hits per experiment in %1 experiments at N = %2, the failures being those with 0 hits (expected share 0.9^%2 = %3): %4.</source>
        <translation>Touchés par expérience sur&#xa0;%1 expériences à N =&#xa0;%2, les échecs étant les expériences à 0 touché (part attendue 0,9^%2 =&#xa0;%3)&#xa0;:&#xa0;%4.</translation>
    </message>
    <message>
        <source>N = %1: %2 in %3 experiments (95 % interval %4 to %5), theory %6</source>
        <translation>N =&#xa0;%1&#xa0;:&#xa0;%2 sur&#xa0;%3 expériences (intervalle à 95&#xa0;% de&#xa0;%4 à&#xa0;%5), théorie&#xa0;%6</translation>
    </message>
    <message>
        <source>No N tried yet. The theory rises from %1 at N = 5 to %2 at N = 50.</source>
        <translation>Aucun N essayé pour l&apos;instant. La théorie monte de&#xa0;%1 à N = 5 à&#xa0;%2 à N = 50.</translation>
    </message>
    <message>
        <source>Chance of at least one hit against N. %1.</source>
        <translation>Probabilité d&apos;au moins un touché selon N.&#xa0;%1.</translation>
    </message>
    <message>
        <source>Shoot a Lot results</source>
        <translation>Résultats de Shoot a Lot</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>experiments</source>
        <translation>expériences</translation>
    </message>
    <message>
        <source>successes</source>
        <translation>réussites</translation>
    </message>
    <message>
        <source>success rate</source>
        <translation>taux de réussite</translation>
    </message>
    <message>
        <source>theory</source>
        <translation>théorie</translation>
    </message>
    <message>
        <source>2 standard errors</source>
        <translation>2 erreurs types</translation>
    </message>
    <message>
        <source>naive guess</source>
        <translation>estimation naïve</translation>
    </message>
    <message>
        <source>prediction</source>
        <translation>prédiction</translation>
    </message>
    <message>
        <source>hits</source>
        <translation>touchés</translation>
    </message>
    <message>
        <source>expected</source>
        <translation>attendues</translation>
    </message>
    <message>
        <source>95 % low</source>
        <translation>95&#xa0;% bas</translation>
    </message>
    <message>
        <source>95 % high</source>
        <translation>95&#xa0;% haut</translation>
    </message>
</context>
<context>
    <name>ResultsWindow</name>
    <message>
        <source>Results</source>
        <translation>Résultats</translation>
    </message>
    <message>
        <source>Side by side</source>
        <translation>Côte à côte</translation>
    </message>
    <message>
        <source>Save the results</source>
        <translation>Enregistrer les résultats</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>PNG picture for a slide, 1920 × 1080 (*.png)</source>
        <translation>Image PNG pour une diapositive, 1920 × 1080 (*.png)</translation>
    </message>
    <message>
        <source>PNG picture for print, 300 dpi (*.png)</source>
        <translation>Image PNG pour l&apos;impression, 300 ppp (*.png)</translation>
    </message>
    <message>
        <source>PNG picture as on the screen (*.png)</source>
        <translation>Image PNG comme à l&apos;écran (*.png)</translation>
    </message>
    <message>
        <source>SVG picture, lines and text kept (*.svg)</source>
        <translation>Image SVG, lignes et texte conservés (*.svg)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Document PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Replace the pictures?</source>
        <translation>Remplacer les images&#xa0;?</translation>
    </message>
    <message>
        <source>These files are there already:
%1

Replace them?</source>
        <translation>Ces fichiers existent déjà&#xa0;:
%1

Les remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>Export the handout</source>
        <translation>Exporter la fiche</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Documents PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Print the handout</source>
        <translation>Imprimer la fiche</translation>
    </message>
    <message>
        <source>Results not saved</source>
        <translation>Résultats non enregistrés</translation>
    </message>
    <message>
        <source>Your name, or your group&apos;s: it names these results when the class is pooled.</source>
        <translation>Ton nom, ou celui de ton groupe&#xa0;: il nomme ces résultats quand la classe est réunie.</translation>
    </message>
    <message>
        <source>Add the class&apos;s results</source>
        <translation>Ajouter les résultats de la classe</translation>
    </message>
    <message>
        <source>Results files (*.csv);;All files (*)</source>
        <translation>Fichiers de résultats (*.csv);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Add a tally counted by hand</source>
        <translation>Ajouter un décompte fait à la main</translation>
    </message>
    <message>
        <source>&amp;Name or group:</source>
        <translation>&amp;Nom ou groupe&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Shots per experiment N:</source>
        <translation>&amp;Tirs par expérience N&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Experiments:</source>
        <translation>&amp;Expériences&#xa0;:</translation>
    </message>
    <message>
        <source>S&amp;uccesses (at least one hit):</source>
        <translation>&amp;Réussites (au moins un touché)&#xa0;:</translation>
    </message>
    <message>
        <source>Counted by hand</source>
        <translation>Décompte à la main</translation>
    </message>
    <message>
        <source>Save the class</source>
        <translation>Enregistrer la classe</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Résumé</translation>
    </message>
    <message>
        <source>Your guess at the success rate, in percent from 0 to 100 with at most one decimal, before running</source>
        <translation>Ton estimation du taux de réussite, en pourcentage de 0 à 100 avec au plus une décimale, avant de lancer</translation>
    </message>
    <message>
        <source>Not taken: a percent from 0 to 100, with at most one decimal. The prediction stays as it was.</source>
        <translation>Refusé&#xa0;: un pourcentage de 0 à 100, avec au plus une décimale. La prédiction reste telle qu&apos;elle était.</translation>
    </message>
    <message>
        <source>Fires %1 experiments at once at the present number of shots</source>
        <translation>Fait&#xa0;%1 expériences d&apos;un coup au nombre de tirs actuel</translation>
    </message>
    <message>
        <source>at once</source>
        <translation>d&apos;un coup</translation>
    </message>
    <message>
        <source>watched, faster</source>
        <translation>en regardant, plus vite</translation>
    </message>
    <message>
        <source>watched, slowly</source>
        <translation>en regardant, lentement</translation>
    </message>
    <message>
        <source>How a run is shown</source>
        <translation>Comment une série est montrée</translation>
    </message>
    <message>
        <source>At once, or judged in order while the counts and charts grow</source>
        <translation>D&apos;un coup, ou jugées dans l&apos;ordre pendant que les comptes et les graphiques grandissent</translation>
    </message>
    <message>
        <source>Sho&amp;wn:</source>
        <translation>Affic&amp;hage&#xa0;:</translation>
    </message>
    <message>
        <source>Si&amp;de by side</source>
        <translation>Côte à &amp;côte</translation>
    </message>
    <message>
        <source>Puts this window and the main window side by side on the screen</source>
        <translation>Place cette fenêtre et la fenêtre principale côte à côte à l&apos;écran</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Enregistrer...</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>Cop&amp;ier</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Copy picture</source>
        <translation>Copier l&apos;image</translation>
    </message>
    <message>
        <source>Save picture...</source>
        <translation>Enregistrer l&apos;image...</translation>
    </message>
    <message>
        <source>Success ra&amp;te</source>
        <translation>&amp;Taux de réussite</translation>
    </message>
    <message>
        <source>Successes minus e&amp;xpected</source>
        <translation>Réussites moins atte&amp;ndues</translation>
    </message>
    <message>
        <source>&amp;Mine</source>
        <translation>&amp;Moi</translation>
    </message>
    <message>
        <source>The experiments of this computer</source>
        <translation>Les expériences de cet ordinateur</translation>
    </message>
    <message>
        <source>Cl&amp;ass</source>
        <translation>Cla&amp;sse</translation>
    </message>
    <message>
        <source>The whole class pooled, from every learner&apos;s results file</source>
        <translation>Toute la classe réunie, à partir du fichier de résultats de chaque élève</translation>
    </message>
    <message>
        <source>Print handout...</source>
        <translation>Imprimer la fiche...</translation>
    </message>
    <message>
        <source>Export handout as PDF...</source>
        <translation>Exporter la fiche en PDF...</translation>
    </message>
    <message>
        <source>Save all charts...</source>
        <translation>Enregistrer tous les graphiques...</translation>
    </message>
    <message>
        <source>The class&apos;s learners</source>
        <translation>Les élèves de la classe</translation>
    </message>
    <message>
        <source>Add r&amp;esults...</source>
        <translation>Ajouter des &amp;résultats...</translation>
    </message>
    <message>
        <source>Adds the results files saved on the class&apos;s computers (several at once); files can be dropped on the window too</source>
        <translation>Ajoute les fichiers de résultats enregistrés sur les ordinateurs de la classe (plusieurs à la fois)&#xa0;; on peut aussi déposer des fichiers sur la fenêtre</translation>
    </message>
    <message>
        <source>Add a tall&amp;y...</source>
        <translation>Ajouter un déc&amp;ompte...</translation>
    </message>
    <message>
        <source>Adds experiments counted by hand, such as a game with ten-sided dice</source>
        <translation>Ajoute des expériences comptées à la main, comme un jeu avec des dés à dix faces</translation>
    </message>
    <message>
        <source>Remo&amp;ve</source>
        <translation>Enle&amp;ver</translation>
    </message>
    <message>
        <source>Takes the chosen learners out of the class</source>
        <translation>Retire de la classe les élèves choisis</translation>
    </message>
    <message>
        <source>Save t&amp;he class...</source>
        <translation>Enre&amp;gistrer la classe...</translation>
    </message>
    <message>
        <source>Copy class ta&amp;ble</source>
        <translation>Copier le ta&amp;bleau de la classe</translation>
    </message>
    <message>
        <source>Reading the class&apos;s results...</source>
        <translation>Lecture des résultats de la classe...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Adding results</source>
        <translation>Ajout de résultats</translation>
    </message>
    <message>
        <source>Adding was cancelled: no file was added.</source>
        <translation>Ajout annulé&#xa0;: aucun fichier n&apos;a été ajouté.</translation>
    </message>
    <message>
        <source>%1 was not added: %2.</source>
        <translation>%1 n&apos;a pas été ajouté&#xa0;:&#xa0;%2.</translation>
    </message>
    <message>
        <source>%1 is %2&apos;s run again, saved later: it takes the place of the earlier file.</source>
        <translation>%1 est de nouveau la série de&#xa0;%2, enregistrée plus tard&#xa0;: il remplace le fichier précédent.</translation>
    </message>
    <message>
        <source>%1 is %2&apos;s run, already in the class: it counts once.</source>
        <translation>%1 est la série de&#xa0;%2, déjà dans la classe&#xa0;: elle ne compte qu&apos;une fois.</translation>
    </message>
    <message>
        <source>1 file added.</source>
        <translation>1 fichier ajouté.</translation>
    </message>
    <message>
        <source>%1 files added.</source>
        <translation>%1 fichiers ajoutés.</translation>
    </message>
    <message>
        <source>The class could not be saved to %1: %2. Nothing there was changed.</source>
        <translation>La classe n&apos;a pas pu être enregistrée dans&#xa0;%1&#xa0;:&#xa0;%2. Rien n&apos;y a été changé.</translation>
    </message>
    <message>
        <source>St&amp;op</source>
        <translation>Arr&amp;êter</translation>
    </message>
    <message>
        <source>Stops the run, finishing the experiment under way</source>
        <translation>Arrête la série, en terminant l&apos;expérience en cours</translation>
    </message>
    <message>
        <source>Run &amp;100</source>
        <translation>Lancer &amp;100</translation>
    </message>
    <message>
        <source>Run 1,&amp;000</source>
        <translation>Lancer 1 &amp;000</translation>
    </message>
    <message>
        <source>&amp;Run 10,000</source>
        <translation>L&amp;ancer 10 000</translation>
    </message>
    <message>
        <source>Your &amp;prediction for N = %1:</source>
        <translation>Ta &amp;prédiction pour N =&#xa0;%1&#xa0;:</translation>
    </message>
    <message>
        <source>Your &amp;prediction:</source>
        <translation>Ta &amp;prédiction&#xa0;:</translation>
    </message>
    <message>
        <source>Saving the results to %1...</source>
        <translation>Enregistrement des résultats dans&#xa0;%1...</translation>
    </message>
    <message>
        <source>Saving</source>
        <translation>Enregistrement</translation>
    </message>
    <message>
        <source>The results could not be saved to %1: %2. Nothing there was changed.</source>
        <translation>Les résultats n&apos;ont pas pu être enregistrés dans&#xa0;%1&#xa0;:&#xa0;%2. Rien n&apos;y a été changé.</translation>
    </message>
    <message>
        <source>Shoot a Lot: %1 experiments at N = %2, %3</source>
        <translation>Shoot a Lot&#xa0;:&#xa0;%1 expériences à N =&#xa0;%2,&#xa0;%3</translation>
    </message>
    <message>
        <source>Save the picture</source>
        <translation>Enregistrer l&apos;image</translation>
    </message>
    <message>
        <source>Save all charts</source>
        <translation>Enregistrer tous les graphiques</translation>
    </message>
    <message>
        <source>The picture could not be saved to %1: %2. Nothing there was changed.</source>
        <translation>L&apos;image n&apos;a pas pu être enregistrée dans&#xa0;%1&#xa0;:&#xa0;%2. Rien n&apos;y a été changé.</translation>
    </message>
    <message>
        <source>The handout could not be saved to %1: %2. Nothing there was changed.</source>
        <translation>La fiche n&apos;a pas pu être enregistrée dans&#xa0;%1&#xa0;:&#xa0;%2. Rien n&apos;y a été changé.</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>the disk is full</source>
        <translation>le disque est plein</translation>
    </message>
    <message>
        <source>the file is larger than this disk or account allows</source>
        <translation>le fichier est plus grand que ce disque ou ce compte ne le permet</translation>
    </message>
    <message>
        <source>the name is too long</source>
        <translation>le nom est trop long</translation>
    </message>
    <message>
        <source>you may not write there</source>
        <translation>tu n&apos;as pas le droit d&apos;écrire là</translation>
    </message>
    <message>
        <source>the disk can only be read</source>
        <translation>le disque est en lecture seule</translation>
    </message>
    <message>
        <source>the folder does not exist</source>
        <translation>le dossier n&apos;existe pas</translation>
    </message>
    <message>
        <source>a folder has that name</source>
        <translation>un dossier porte ce nom</translation>
    </message>
    <message>
        <source>the disk could not be written</source>
        <translation>le disque n&apos;a pas pu être écrit</translation>
    </message>
    <message>
        <source>the file could not be written</source>
        <translation>le fichier n&apos;a pas pu être écrit</translation>
    </message>
</context>
</TS>
