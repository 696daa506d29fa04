<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>Announcements</name>
    <message>
        <source>Shot %1: hit.</source>
        <translation>Schuss %1: Treffer.</translation>
    </message>
    <message>
        <source>Shot %1: miss.</source>
        <translation>Schuss %1: daneben.</translation>
    </message>
    <message>
        <source>%1. Success rate %2.</source>
        <translation>%1. Erfolgsquote %2.</translation>
    </message>
    <message>
        <source>Ready: %1 shots per experiment. Firing fires one shot, AutoStart fires them automatically.</source>
        <translation>Bereit: %1 Schüsse je Experiment. Firing gibt einen Schuss ab, AutoStart schießt automatisch.</translation>
    </message>
    <message>
        <source>Automatic firing. Only AutoStop can be used.</source>
        <translation>Automatisches Schießen. Nur AutoStop ist verfügbar.</translation>
    </message>
    <message>
        <source>Automatic firing stopped.</source>
        <translation>Automatisches Schießen beendet.</translation>
    </message>
    <message>
        <source>Shot %1 of %2, %3 hit(s) in this experiment.</source>
        <translation>Schuss %1 von %2, %3 Treffer in diesem Experiment.</translation>
    </message>
</context>
<context>
    <name>ChartView</name>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
</context>
<context>
    <name>ClassReport</name>
    <message>
        <source>No class yet: add the results files of the class&apos;s computers (Add results...), or a tally counted by hand.</source>
        <translation>Noch keine Klasse: Füge die Ergebnisdateien der Rechner der Klasse hinzu (Ergebnisse hinzufügen...) oder eine von Hand gezählte Strichliste.</translation>
    </message>
    <message>
        <source>The class, pooled: 1 learner, %1 experiments at N = %2 with %3 successes, a success rate of %4.</source>
        <translation>Die Klasse zusammen: 1 Lernende(r), %1 Experimente bei N = %2 mit %3 Erfolgen, eine Erfolgsquote von %4.</translation>
    </message>
    <message>
        <source>The class, pooled: %1 learners, %2 experiments at N = %3 with %4 successes, a success rate of %5.</source>
        <translation>Die Klasse zusammen: %1 Lernende, %2 Experimente bei N = %3 mit %4 Erfolgen, eine Erfolgsquote von %5.</translation>
    </message>
    <message>
        <source>That is within 2 standard errors (%1 points) of the theory, %2.</source>
        <translation>Das liegt innerhalb von 2 Standardfehlern (%1 Prozentpunkte) um die Theorie, %2.</translation>
    </message>
    <message>
        <source>That is further than 2 standard errors (%1 points) from the theory, %2.</source>
        <translation>Das liegt weiter als 2 Standardfehler (%1 Prozentpunkte) von der Theorie, %2, entfernt.</translation>
    </message>
    <message>
        <source>%1 of the %2 learners&apos; own rates lie within 2 standard errors of the theory; about 95 % should.</source>
        <translation>%1 der %2 Erfolgsquoten der Lernenden liegen innerhalb von 2 Standardfehlern um die Theorie; etwa 95 % sollten es.</translation>
    </message>
    <message>
        <source>%1 more at other numbers of shots count in the chart across N.</source>
        <translation>%1 weitere mit anderer Schusszahl zählen im Diagramm über N.</translation>
    </message>
    <message>
        <source>%1 (counted by hand): %2 successes in %3 experiments at N = %4, %5</source>
        <translation>%1 (von Hand gezählt): %2 Erfolge in %3 Experimenten bei N = %4, %5</translation>
    </message>
    <message>
        <source>%1: %2 successes in %3 experiments at N = %4, %5</source>
        <translation>%1: %2 Erfolge in %3 Experimenten bei N = %4, %5</translation>
    </message>
</context>
<context>
    <name>ClassTableModel</name>
    <message>
        <source>counted by hand</source>
        <translation>von Hand gezählt</translation>
    </message>
    <message>
        <source>Learner</source>
        <translation>Lernende(r)</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>Experiments</source>
        <translation>Experimente</translation>
    </message>
    <message>
        <source>Successes</source>
        <translation>Erfolge</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Quote</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Quelle</translation>
    </message>
</context>
<context>
    <name>ControlRole</name>
    <message>
        <source>plays the sound cues</source>
        <translation>spielt die Klänge ab</translation>
    </message>
    <message>
        <source>Target plot</source>
        <translation>Zielscheibe</translation>
    </message>
    <message>
        <source>returns to the main window</source>
        <translation>führt zum Hauptfenster zurück</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Hilfetext</translation>
    </message>
</context>
<context>
    <name>FormWindow</name>
    <message>
        <source>Zoom In</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>Originalgröße</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Vollbild</translation>
    </message>
</context>
<context>
    <name>Handout</name>
    <message>
        <source>The class pooled: %1 experiments at N = %2, %3</source>
        <translation>Die Klasse zusammen: %1 Experimente bei N = %2, %3</translation>
    </message>
    <message>
        <source>%1 experiments at N = %2, %3</source>
        <translation>%1 Experimente bei N = %2, %3</translation>
    </message>
    <message>
        <source>Even those who shoot bad guns will hit it if they shoot a lot</source>
        <translation>Wer oft genug schießt, trifft auch mit einem schlechten Gewehr</translation>
    </message>
</context>
<context>
    <name>MissGridView</name>
    <message>
        <source>The last 100 experiments</source>
        <translation>Die letzten 100 Experimente</translation>
    </message>
    <message>
        <source>every shot missed</source>
        <translation>jeder Schuss daneben</translation>
    </message>
</context>
<context>
    <name>PredictionField</name>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source> %</source>
        <translation> %</translation>
    </message>
</context>
<context>
    <name>ResultsCharts</name>
    <message>
        <source>theory ± 2 standard errors</source>
        <translation>Theorie ± 2 Standardfehler</translation>
    </message>
    <message>
        <source>Success rate as the experiments add up (N = %1)</source>
        <translation>Erfolgsquote mit wachsender Zahl der Experimente (N = %1)</translation>
    </message>
    <message>
        <source>Success rate as the experiments add up</source>
        <translation>Erfolgsquote mit wachsender Zahl der Experimente</translation>
    </message>
    <message>
        <source>experiments (log scale)</source>
        <translation>Experimente (log. Skala)</translation>
    </message>
    <message>
        <source>success rate</source>
        <translation>Erfolgsquote</translation>
    </message>
    <message>
        <source>your prediction</source>
        <translation>deine Vorhersage</translation>
    </message>
    <message>
        <source>naive guess N × 10 %</source>
        <translation>naive Schätzung N × 10 %</translation>
    </message>
    <message>
        <source>theory 1 − 0.9^N</source>
        <translation>Theorie 1 − 0,9^N</translation>
    </message>
    <message>
        <source>experiments</source>
        <translation>Experimente</translation>
    </message>
    <message>
        <source>Successes minus the successes expected (N = %1)</source>
        <translation>Erfolge minus erwartete Erfolge (N = %1)</translation>
    </message>
    <message>
        <source>Successes minus the successes expected</source>
        <translation>Erfolge minus erwartete Erfolge</translation>
    </message>
    <message>
        <source>successes − expected</source>
        <translation>Erfolge − erwartet</translation>
    </message>
    <message>
        <source>± 2 standard deviations</source>
        <translation>± 2 Standardabweichungen</translation>
    </message>
    <message>
        <source>as expected: n × (1 − 0.9^N)</source>
        <translation>wie erwartet: n × (1 − 0,9^N)</translation>
    </message>
    <message>
        <source>Hits per experiment</source>
        <translation>Treffer je Experiment</translation>
    </message>
    <message>
        <source>hits in an experiment</source>
        <translation>Treffer in einem Experiment</translation>
    </message>
    <message>
        <source>expected (binomial, 1 in 10)</source>
        <translation>erwartet (binomial, 1 von 10)</translation>
    </message>
    <message>
        <source>0 hits: %1, expected 0.9^%2 = %3</source>
        <translation>0 Treffer: %1, erwartet 0,9^%2 = %3</translation>
    </message>
    <message>
        <source>At least one hit, against N</source>
        <translation>Mindestens ein Treffer, über N</translation>
    </message>
    <message>
        <source>shots per experiment N</source>
        <translation>Schüsse je Experiment N</translation>
    </message>
    <message>
        <source>chance of success</source>
        <translation>Erfolgschance</translation>
    </message>
    <message>
        <source>your predictions</source>
        <translation>deine Vorhersagen</translation>
    </message>
    <message>
        <source>experiments, with 95 % intervals</source>
        <translation>Experimente (95-%-Intervall)</translation>
    </message>
    <message>
        <source>Each learner&apos;s success rate (N = %1)</source>
        <translation>Erfolgsquote jedes Lernenden (N = %1)</translation>
    </message>
    <message>
        <source>Each learner&apos;s success rate</source>
        <translation>Erfolgsquote jedes Lernenden</translation>
    </message>
    <message>
        <source>learners</source>
        <translation>Lernende</translation>
    </message>
    <message>
        <source>counted by hand</source>
        <translation>von Hand gezählt</translation>
    </message>
    <message>
        <source>the class pooled, with 95 % interval</source>
        <translation>ganze Klasse (95-%-Intervall)</translation>
    </message>
    <message>
        <source>The class pooled: %1 successes in %2 experiments, %3</source>
        <translation>Die Klasse zusammen: %1 Erfolge in %2 Experimenten, %3</translation>
    </message>
</context>
<context>
    <name>ResultsFile</name>
    <message>
        <source>it is not a results file of Shoot a Lot (its first line should name the columns experiment, shots, hits, verdict and success_rate)</source>
        <translation>es ist keine Ergebnisdatei von Shoot a Lot (ihre erste Zeile muss die Spalten experiment, shots, hits, verdict und success_rate nennen)</translation>
    </message>
    <message>
        <source>line %1 is cut short</source>
        <translation>Zeile %1 ist abgeschnitten</translation>
    </message>
    <message>
        <source>line %1: the experiment number &quot;%2&quot; is not a whole number</source>
        <translation>Zeile %1: die Experimentnummer „%2“ ist keine ganze Zahl</translation>
    </message>
    <message>
        <source>line %1: experiment %2 where experiment %3 should come (were rows sorted, deleted or added?)</source>
        <translation>Zeile %1: Experiment %2, wo Experiment %3 kommen sollte (wurden Zeilen sortiert, gelöscht oder hinzugefügt?)</translation>
    </message>
    <message>
        <source>line %1: &quot;%2&quot; shots an experiment, where the program fires 5 to 50</source>
        <translation>Zeile %1: „%2“ Schüsse je Experiment, wo das Programm 5 bis 50 abgibt</translation>
    </message>
    <message>
        <source>line %1: %2 shots an experiment, where the file&apos;s first experiment had %3</source>
        <translation>Zeile %1: %2 Schüsse je Experiment, wo das erste Experiment der Datei %3 hatte</translation>
    </message>
    <message>
        <source>line %1: &quot;%2&quot; hits in an experiment of %3 shots</source>
        <translation>Zeile %1: „%2“ Treffer in einem Experiment mit %3 Schüssen</translation>
    </message>
    <message>
        <source>line %1: the verdict &quot;%2&quot; does not follow from %3 hits</source>
        <translation>Zeile %1: das Urteil „%2“ folgt nicht aus %3 Treffern</translation>
    </message>
    <message>
        <source>line %1: the success rate &quot;%2&quot; is not what the verdicts so far give (%3)</source>
        <translation>Zeile %1: die Erfolgsquote „%2“ ist nicht die, die sich aus den Urteilen bis dahin ergibt (%3)</translation>
    </message>
    <message>
        <source>line %1 is another learner&apos;s (%2, after %3): add each learner&apos;s own file</source>
        <translation>Zeile %1 gehört jemand anderem (%2, nach %3): füge die eigene Datei jedes Lernenden hinzu</translation>
    </message>
    <message>
        <source>none named</source>
        <translation>ohne Namen</translation>
    </message>
    <message>
        <source>a quoted field from line %1 on is never closed</source>
        <translation>ein Feld in Anführungszeichen ab Zeile %1 wird nie geschlossen</translation>
    </message>
    <message>
        <source>it holds no experiments</source>
        <translation>sie enthält keine Experimente</translation>
    </message>
    <message>
        <source>it is not there (was it moved or the stick taken out?)</source>
        <translation>sie ist nicht da (verschoben, oder der USB-Stick abgezogen?)</translation>
    </message>
    <message>
        <source>you may not read it</source>
        <translation>du darfst sie nicht lesen</translation>
    </message>
    <message>
        <source>the disk could not be read</source>
        <translation>der Datenträger konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>es ist ein Ordner, keine Datei</translation>
    </message>
    <message>
        <source>it is not a plain file (a pipe or a device)</source>
        <translation>es ist keine gewöhnliche Datei (eine Pipe oder ein Gerät)</translation>
    </message>
    <message>
        <source>it is larger than a results file can be (over %1 MB)</source>
        <translation>sie ist größer, als eine Ergebnisdatei sein kann (über %1 MB)</translation>
    </message>
    <message>
        <source>it could not be read: %1</source>
        <translation>sie konnte nicht gelesen werden: %1</translation>
    </message>
</context>
<context>
    <name>ResultsReport</name>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>No experiment yet: the number of shots has not been chosen.</source>
        <translation>Noch kein Experiment: die Zahl der Schüsse ist noch nicht gewählt.</translation>
    </message>
    <message>
        <source>No experiment judged yet at N = %1.</source>
        <translation>Noch kein Experiment bei N = %1 beurteilt.</translation>
    </message>
    <message>
        <source>After 1 experiment at N = %1:</source>
        <translation>Nach 1 Experiment bei N = %1:</translation>
    </message>
    <message>
        <source>After %1 experiments at N = %2:</source>
        <translation>Nach %1 Experimenten bei N = %2:</translation>
    </message>
    <message>
        <source>1 success, a success rate of %1.</source>
        <translation>1 Erfolg, eine Erfolgsquote von %1.</translation>
    </message>
    <message>
        <source>%1 successes, a success rate of %2.</source>
        <translation>%1 Erfolge, eine Erfolgsquote von %2.</translation>
    </message>
    <message>
        <source>That is within 2 standard errors (%1 points) of the theory.</source>
        <translation>Das liegt innerhalb von 2 Standardfehlern (%1 Prozentpunkte) um die Theorie.</translation>
    </message>
    <message>
        <source>That is further than 2 standard errors (%1 points) from the theory.</source>
        <translation>Das liegt weiter als 2 Standardfehler (%1 Prozentpunkte) von der Theorie entfernt.</translation>
    </message>
    <message>
        <source>Theory: 1 - 0.9^%1 = %2. Naive guess: N x 10 % = %3.</source>
        <translation>Theorie: 1 - 0,9^%1 = %2. Naive Schätzung: N x 10 % = %3.</translation>
    </message>
    <message>
        <source>Your prediction: %1.</source>
        <translation>Deine Vorhersage: %1.</translation>
    </message>
    <message>
        <source>Your prediction, %1, matches the experiments.</source>
        <translation>Deine Vorhersage, %1, stimmt mit den Experimenten überein.</translation>
    </message>
    <message>
        <source>Your prediction, %1, is %2 points higher than the experiments.</source>
        <translation>Deine Vorhersage, %1, liegt %2 Prozentpunkte über den Experimenten.</translation>
    </message>
    <message>
        <source>Your prediction, %1, is %2 points lower than the experiments.</source>
        <translation>Deine Vorhersage, %1, liegt %2 Prozentpunkte unter den Experimenten.</translation>
    </message>
    <message>
        <source>Theory %1, naive guess %2.</source>
        <translation>Theorie %1, naive Schätzung %2.</translation>
    </message>
    <message>
        <source>Success rate after %1 experiments: %2. The band of 2 standard errors runs from %3 to %4.</source>
        <translation>Erfolgsquote nach %1 Experimenten: %2. Das Band von 2 Standardfehlern reicht von %3 bis %4.</translation>
    </message>
    <message>
        <source>after %1: %2</source>
        <translation>nach %1: %2</translation>
    </message>
    <message>
        <source>Along the way, %1.</source>
        <translation>Unterwegs: %1.</translation>
    </message>
    <message>
        <source>Your prediction %1.</source>
        <translation>Deine Vorhersage %1.</translation>
    </message>
    <message>
        <source>Successes minus the successes expected at N = %1: no experiment judged yet.</source>
        <translation>Erfolge minus erwartete Erfolge bei N = %1: noch kein Experiment beurteilt.</translation>
    </message>
    <message>
        <source>After %1 experiments at N = %2: %3 successes, %4 expected (%1 × %5); successes minus expected %6, the band of 2 standard deviations running from −%7 to +%7.</source>
        <translation>Nach %1 Experimenten bei N = %2: %3 Erfolge, %4 erwartet (%1 × %5); Erfolge minus erwartet %6, das Band von 2 Standardabweichungen reicht von −%7 bis +%7.</translation>
    </message>
    <message>
        <source>The last 100 experiments: none judged yet; theory: 100 × 0.9^%1 = %2 of 100 would miss every shot.</source>
        <translation>Die letzten 100 Experimente: noch keines beurteilt; Theorie: bei 100 × 0,9^%1 = %2 von 100 ginge jeder Schuss daneben.</translation>
    </message>
    <message>
        <source>The last 100 experiments: none judged yet.</source>
        <translation>Die letzten 100 Experimente: noch keines beurteilt.</translation>
    </message>
    <message>
        <source>%1 of the first %2 experiments missed every shot; theory: 100 × 0.9^%3 = %4 in 100.</source>
        <translation>Bei %1 der ersten %2 Experimente ging jeder Schuss daneben; Theorie: 100 × 0,9^%3 = %4 von 100.</translation>
    </message>
    <message>
        <source>%1 of the last 100 experiments missed every shot; theory: 100 × 0.9^%2 = %3.</source>
        <translation>Bei %1 der letzten 100 Experimente ging jeder Schuss daneben; Theorie: 100 × 0,9^%2 = %3.</translation>
    </message>
    <message>
        <source>The rate settles on the theory while successes minus expected wanders ever wider: the difference grows like the square root of n, and n grows faster, so the counts never even out though the rate does.</source>
        <translation>Die Quote pendelt sich bei der Theorie ein, während Erfolge minus erwartet immer weiter schwanken: Die Differenz wächst wie die Wurzel aus n, und n wächst schneller, also gleichen sich die Zahlen nie aus, obwohl die Quote es tut.</translation>
    </message>
    <message>
        <source>Hits per experiment at N = %1: no experiment judged yet; the failures will be those with 0 hits (expected share 0.9^%1 = %2).</source>
        <translation>Treffer je Experiment bei N = %1: noch kein Experiment beurteilt; Misserfolge sind die mit 0 Treffern (erwarteter Anteil 0,9^%1 = %2).</translation>
    </message>
    <message>
        <source>1 hit</source>
        <translation>1 Treffer</translation>
    </message>
    <message>
        <source>%1 hits</source>
        <translation>%1 Treffer</translation>
    </message>
    <message>
        <source>%1: %2, expected %3</source>
        <translation>%1: %2, erwartet %3</translation>
    </message>
    <message>
        <source>Hits per experiment in %1 experiments at N = %2, the failures being those with 0 hits (expected share 0.9^%2 = %3): %4.</source>
        <translation>Treffer je Experiment in %1 Experimenten bei N = %2, Misserfolge sind die mit 0 Treffern (erwarteter Anteil 0,9^%2 = %3): %4.</translation>
    </message>
    <message>
        <source>N = %1: %2 in %3 experiments (95 % interval %4 to %5), theory %6</source>
        <translation>N = %1: %2 in %3 Experimenten (95-%-Intervall %4 bis %5), Theorie %6</translation>
    </message>
    <message>
        <source>No N tried yet. The theory rises from %1 at N = 5 to %2 at N = 50.</source>
        <translation>Noch kein N ausprobiert. Die Theorie steigt von %1 bei N = 5 auf %2 bei N = 50.</translation>
    </message>
    <message>
        <source>Chance of at least one hit against N. %1.</source>
        <translation>Wahrscheinlichkeit für mindestens einen Treffer über N. %1.</translation>
    </message>
    <message>
        <source>Shoot a Lot results</source>
        <translation>Ergebnisse von Shoot a Lot</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>experiments</source>
        <translation>Experimente</translation>
    </message>
    <message>
        <source>successes</source>
        <translation>Erfolge</translation>
    </message>
    <message>
        <source>success rate</source>
        <translation>Erfolgsquote</translation>
    </message>
    <message>
        <source>theory</source>
        <translation>Theorie</translation>
    </message>
    <message>
        <source>2 standard errors</source>
        <translation>2 Standardfehler</translation>
    </message>
    <message>
        <source>naive guess</source>
        <translation>naive Schätzung</translation>
    </message>
    <message>
        <source>prediction</source>
        <translation>Vorhersage</translation>
    </message>
    <message>
        <source>hits</source>
        <translation>Treffer</translation>
    </message>
    <message>
        <source>expected</source>
        <translation>erwartet</translation>
    </message>
    <message>
        <source>95 % low</source>
        <translation>95 % unten</translation>
    </message>
    <message>
        <source>95 % high</source>
        <translation>95 % oben</translation>
    </message>
</context>
<context>
    <name>ResultsWindow</name>
    <message>
        <source>Results</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <source>Side by side</source>
        <translation>Nebeneinander</translation>
    </message>
    <message>
        <source>Save the results</source>
        <translation>Ergebnisse speichern</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>PNG picture for a slide, 1920 × 1080 (*.png)</source>
        <translation>PNG-Bild für eine Folie, 1920 × 1080 (*.png)</translation>
    </message>
    <message>
        <source>PNG picture for print, 300 dpi (*.png)</source>
        <translation>PNG-Bild für den Druck, 300 dpi (*.png)</translation>
    </message>
    <message>
        <source>PNG picture as on the screen (*.png)</source>
        <translation>PNG-Bild wie auf dem Bildschirm (*.png)</translation>
    </message>
    <message>
        <source>SVG picture, lines and text kept (*.svg)</source>
        <translation>SVG-Bild, Linien und Text bleiben erhalten (*.svg)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>PDF-Dokument (*.pdf)</translation>
    </message>
    <message>
        <source>Replace the pictures?</source>
        <translation>Bilder ersetzen?</translation>
    </message>
    <message>
        <source>These files are there already:
%1

Replace them?</source>
        <translation>Diese Dateien gibt es schon:
%1

Ersetzen?</translation>
    </message>
    <message>
        <source>Export the handout</source>
        <translation>Handzettel exportieren</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>PDF-Dokumente (*.pdf)</translation>
    </message>
    <message>
        <source>Print the handout</source>
        <translation>Handzettel drucken</translation>
    </message>
    <message>
        <source>Results not saved</source>
        <translation>Ergebnisse nicht gespeichert</translation>
    </message>
    <message>
        <source>Your name, or your group&apos;s: it names these results when the class is pooled.</source>
        <translation>Dein Name oder der deiner Gruppe: Er benennt diese Ergebnisse, wenn die Klasse zusammengeführt wird.</translation>
    </message>
    <message>
        <source>Add the class&apos;s results</source>
        <translation>Ergebnisse der Klasse hinzufügen</translation>
    </message>
    <message>
        <source>Results files (*.csv);;All files (*)</source>
        <translation>Ergebnisdateien (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Add a tally counted by hand</source>
        <translation>Von Hand gezählte Strichliste hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Name or group:</source>
        <translation>&amp;Name oder Gruppe:</translation>
    </message>
    <message>
        <source>&amp;Shots per experiment N:</source>
        <translation>&amp;Schüsse je Experiment N:</translation>
    </message>
    <message>
        <source>&amp;Experiments:</source>
        <translation>&amp;Experimente:</translation>
    </message>
    <message>
        <source>S&amp;uccesses (at least one hit):</source>
        <translation>Erf&amp;olge (mindestens ein Treffer):</translation>
    </message>
    <message>
        <source>Counted by hand</source>
        <translation>Von Hand gezählt</translation>
    </message>
    <message>
        <source>Save the class</source>
        <translation>Klasse speichern</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Zusammenfassung</translation>
    </message>
    <message>
        <source>Your guess at the success rate, in percent from 0 to 100 with at most one decimal, before running</source>
        <translation>Deine Schätzung der Erfolgsquote in Prozent von 0 bis 100, mit höchstens einer Nachkommastelle, vor dem Lauf</translation>
    </message>
    <message>
        <source>Not taken: a percent from 0 to 100, with at most one decimal. The prediction stays as it was.</source>
        <translation>Nicht übernommen: ein Prozentwert von 0 bis 100, mit höchstens einer Nachkommastelle. Die Vorhersage bleibt, wie sie war.</translation>
    </message>
    <message>
        <source>Fires %1 experiments at once at the present number of shots</source>
        <translation>Führt %1 Experimente auf einmal mit der jetzigen Schusszahl durch</translation>
    </message>
    <message>
        <source>at once</source>
        <translation>auf einmal</translation>
    </message>
    <message>
        <source>watched, faster</source>
        <translation>zusehen, schneller</translation>
    </message>
    <message>
        <source>watched, slowly</source>
        <translation>zusehen, langsam</translation>
    </message>
    <message>
        <source>How a run is shown</source>
        <translation>Wie ein Lauf gezeigt wird</translation>
    </message>
    <message>
        <source>At once, or judged in order while the counts and charts grow</source>
        <translation>Auf einmal, oder der Reihe nach beurteilt, während Zahlen und Diagramme wachsen</translation>
    </message>
    <message>
        <source>Sho&amp;wn:</source>
        <translation>&amp;Anzeige:</translation>
    </message>
    <message>
        <source>Si&amp;de by side</source>
        <translation>&amp;Nebeneinander</translation>
    </message>
    <message>
        <source>Puts this window and the main window side by side on the screen</source>
        <translation>Stellt dieses Fenster und das Hauptfenster nebeneinander auf den Bildschirm</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Speichern...</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>Schl&amp;ießen</translation>
    </message>
    <message>
        <source>Copy picture</source>
        <translation>Bild kopieren</translation>
    </message>
    <message>
        <source>Save picture...</source>
        <translation>Bild speichern...</translation>
    </message>
    <message>
        <source>Success ra&amp;te</source>
        <translation>Erfolgs&amp;quote</translation>
    </message>
    <message>
        <source>Successes minus e&amp;xpected</source>
        <translation>Erfolge minus er&amp;wartet</translation>
    </message>
    <message>
        <source>&amp;Mine</source>
        <translation>&amp;Meine</translation>
    </message>
    <message>
        <source>The experiments of this computer</source>
        <translation>Die Experimente dieses Rechners</translation>
    </message>
    <message>
        <source>Cl&amp;ass</source>
        <translation>K&amp;lasse</translation>
    </message>
    <message>
        <source>The whole class pooled, from every learner&apos;s results file</source>
        <translation>Die ganze Klasse zusammen, aus der Ergebnisdatei jedes Lernenden</translation>
    </message>
    <message>
        <source>Print handout...</source>
        <translation>Handzettel drucken...</translation>
    </message>
    <message>
        <source>Export handout as PDF...</source>
        <translation>Handzettel als PDF exportieren...</translation>
    </message>
    <message>
        <source>Save all charts...</source>
        <translation>Alle Diagramme speichern...</translation>
    </message>
    <message>
        <source>The class&apos;s learners</source>
        <translation>Die Lernenden der Klasse</translation>
    </message>
    <message>
        <source>Add r&amp;esults...</source>
        <translation>&amp;Ergebnisse hinzufügen...</translation>
    </message>
    <message>
        <source>Adds the results files saved on the class&apos;s computers (several at once); files can be dropped on the window too</source>
        <translation>Fügt die auf den Rechnern der Klasse gespeicherten Ergebnisdateien hinzu (mehrere auf einmal); Dateien lassen sich auch auf das Fenster ziehen</translation>
    </message>
    <message>
        <source>Add a tall&amp;y...</source>
        <translation>S&amp;trichliste hinzufügen...</translation>
    </message>
    <message>
        <source>Adds experiments counted by hand, such as a game with ten-sided dice</source>
        <translation>Fügt von Hand gezählte Experimente hinzu, etwa ein Spiel mit zehnseitigen Würfeln</translation>
    </message>
    <message>
        <source>Remo&amp;ve</source>
        <translation>Ent&amp;fernen</translation>
    </message>
    <message>
        <source>Takes the chosen learners out of the class</source>
        <translation>Nimmt die gewählten Lernenden aus der Klasse</translation>
    </message>
    <message>
        <source>Save t&amp;he class...</source>
        <translation>Klasse spei&amp;chern...</translation>
    </message>
    <message>
        <source>Copy class ta&amp;ble</source>
        <translation>Klassentabelle kopie&amp;ren</translation>
    </message>
    <message>
        <source>Reading the class&apos;s results...</source>
        <translation>Die Ergebnisse der Klasse werden gelesen...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Adding results</source>
        <translation>Ergebnisse hinzufügen</translation>
    </message>
    <message>
        <source>Adding was cancelled: no file was added.</source>
        <translation>Abgebrochen: keine Datei wurde hinzugefügt.</translation>
    </message>
    <message>
        <source>%1 was not added: %2.</source>
        <translation>%1 wurde nicht hinzugefügt: %2.</translation>
    </message>
    <message>
        <source>%1 is %2&apos;s run again, saved later: it takes the place of the earlier file.</source>
        <translation>%1 ist noch einmal der Lauf von %2, später gespeichert: sie tritt an die Stelle der früheren Datei.</translation>
    </message>
    <message>
        <source>%1 is %2&apos;s run, already in the class: it counts once.</source>
        <translation>%1 ist der Lauf von %2, schon in der Klasse: er zählt nur einmal.</translation>
    </message>
    <message>
        <source>1 file added.</source>
        <translation>1 Datei hinzugefügt.</translation>
    </message>
    <message>
        <source>%1 files added.</source>
        <translation>%1 Dateien hinzugefügt.</translation>
    </message>
    <message>
        <source>The class could not be saved to %1: %2. Nothing there was changed.</source>
        <translation>Die Klasse konnte nicht unter %1 gespeichert werden: %2. Dort wurde nichts verändert.</translation>
    </message>
    <message>
        <source>St&amp;op</source>
        <translation>Stop&amp;p</translation>
    </message>
    <message>
        <source>Stops the run, finishing the experiment under way</source>
        <translation>Beendet den Lauf und führt das laufende Experiment zu Ende</translation>
    </message>
    <message>
        <source>Run &amp;100</source>
        <translation>Lauf &amp;100</translation>
    </message>
    <message>
        <source>Run 1,&amp;000</source>
        <translation>Lauf 1.&amp;000</translation>
    </message>
    <message>
        <source>&amp;Run 10,000</source>
        <translation>La&amp;uf 10.000</translation>
    </message>
    <message>
        <source>Your &amp;prediction for N = %1:</source>
        <translation>Deine &amp;Vorhersage für N = %1:</translation>
    </message>
    <message>
        <source>Your &amp;prediction:</source>
        <translation>Deine &amp;Vorhersage:</translation>
    </message>
    <message>
        <source>Saving the results to %1...</source>
        <translation>Die Ergebnisse werden unter %1 gespeichert...</translation>
    </message>
    <message>
        <source>Saving</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>The results could not be saved to %1: %2. Nothing there was changed.</source>
        <translation>Die Ergebnisse konnten nicht unter %1 gespeichert werden: %2. Dort wurde nichts verändert.</translation>
    </message>
    <message>
        <source>Shoot a Lot: %1 experiments at N = %2, %3</source>
        <translation>Shoot a Lot: %1 Experimente bei N = %2, %3</translation>
    </message>
    <message>
        <source>Save the picture</source>
        <translation>Bild speichern</translation>
    </message>
    <message>
        <source>Save all charts</source>
        <translation>Alle Diagramme speichern</translation>
    </message>
    <message>
        <source>The picture could not be saved to %1: %2. Nothing there was changed.</source>
        <translation>Das Bild konnte nicht unter %1 gespeichert werden: %2. Dort wurde nichts verändert.</translation>
    </message>
    <message>
        <source>The handout could not be saved to %1: %2. Nothing there was changed.</source>
        <translation>Der Handzettel konnte nicht unter %1 gespeichert werden: %2. Dort wurde nichts verändert.</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>the disk is full</source>
        <translation>der Datenträger ist voll</translation>
    </message>
    <message>
        <source>the file is larger than this disk or account allows</source>
        <translation>die Datei ist größer, als dieser Datenträger oder dieses Konto erlaubt</translation>
    </message>
    <message>
        <source>the name is too long</source>
        <translation>der Name ist zu lang</translation>
    </message>
    <message>
        <source>you may not write there</source>
        <translation>du darfst dort nicht schreiben</translation>
    </message>
    <message>
        <source>the disk can only be read</source>
        <translation>der Datenträger kann nur gelesen werden</translation>
    </message>
    <message>
        <source>the folder does not exist</source>
        <translation>der Ordner existiert nicht</translation>
    </message>
    <message>
        <source>a folder has that name</source>
        <translation>ein Ordner hat diesen Namen</translation>
    </message>
    <message>
        <source>the disk could not be written</source>
        <translation>der Datenträger konnte nicht beschrieben werden</translation>
    </message>
    <message>
        <source>the file could not be written</source>
        <translation>die Datei konnte nicht geschrieben werden</translation>
    </message>
</context>
</TS>
