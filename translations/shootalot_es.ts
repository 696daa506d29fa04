<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>Announcements</name>
    <message>
        <source>Shot %1: hit.</source>
        <translation>Disparo %1: acierto.</translation>
    </message>
    <message>
        <source>Shot %1: miss.</source>
        <translation>Disparo %1: fallo.</translation>
    </message>
    <message>
        <source>%1. Success rate %2.</source>
        <translation>%1. Tasa de éxito %2.</translation>
    </message>
    <message>
        <source>Ready: %1 shots per experiment. Firing fires one shot, AutoStart fires them automatically.</source>
        <translation>Listo: %1 disparos por experimento. Firing dispara una vez; AutoStart dispara automáticamente.</translation>
    </message>
    <message>
        <source>Automatic firing. Only AutoStop can be used.</source>
        <translation>Disparo automático. Solo se puede usar AutoStop.</translation>
    </message>
    <message>
        <source>Automatic firing stopped.</source>
        <translation>Disparo automático detenido.</translation>
    </message>
    <message>
        <source>Shot %1 of %2, %3 hit(s) in this experiment.</source>
        <translation>Disparo %1 de %2, %3 acierto(s) en este experimento.</translation>
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
        <translation>Todavía no hay clase: añade los archivos de resultados de los ordenadores de la clase (Añadir resultados...) o un recuento hecho a mano.</translation>
    </message>
    <message>
        <source>The class, pooled: 1 learner, %1 experiments at N = %2 with %3 successes, a success rate of %4.</source>
        <translation>La clase en conjunto: 1 alumno, %1 experimentos con N = %2 y %3 éxitos, una tasa de éxito de %4.</translation>
    </message>
    <message>
        <source>The class, pooled: %1 learners, %2 experiments at N = %3 with %4 successes, a success rate of %5.</source>
        <translation>La clase en conjunto: %1 alumnos, %2 experimentos con N = %3 y %4 éxitos, una tasa de éxito de %5.</translation>
    </message>
    <message>
        <source>That is within 2 standard errors (%1 points) of the theory, %2.</source>
        <translation>Está a menos de 2 errores estándar (%1 puntos) de la teoría, %2.</translation>
    </message>
    <message>
        <source>That is further than 2 standard errors (%1 points) from the theory, %2.</source>
        <translation>Está a más de 2 errores estándar (%1 puntos) de la teoría, %2.</translation>
    </message>
    <message>
        <source>%1 of the %2 learners&apos; own rates lie within 2 standard errors of the theory; about 95 % should.</source>
        <translation>%1 de las %2 tasas de los alumnos están a menos de 2 errores estándar de la teoría; deberían estarlo alrededor del 95 %.</translation>
    </message>
    <message>
        <source>%1 more at other numbers of shots count in the chart across N.</source>
        <translation>%1 más con otro número de disparos cuentan en el gráfico por N.</translation>
    </message>
    <message>
        <source>%1 (counted by hand): %2 successes in %3 experiments at N = %4, %5</source>
        <translation>%1 (recuento a mano): %2 éxitos en %3 experimentos con N = %4, %5</translation>
    </message>
    <message>
        <source>%1: %2 successes in %3 experiments at N = %4, %5</source>
        <translation>%1: %2 éxitos en %3 experimentos con N = %4, %5</translation>
    </message>
</context>
<context>
    <name>ClassTableModel</name>
    <message>
        <source>counted by hand</source>
        <translation>recuento a mano</translation>
    </message>
    <message>
        <source>Learner</source>
        <translation>Alumno</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>Experiments</source>
        <translation>Experimentos</translation>
    </message>
    <message>
        <source>Successes</source>
        <translation>Éxitos</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Tasa</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Origen</translation>
    </message>
</context>
<context>
    <name>ControlRole</name>
    <message>
        <source>plays the sound cues</source>
        <translation>reproduce los sonidos</translation>
    </message>
    <message>
        <source>Target plot</source>
        <translation>Diana</translation>
    </message>
    <message>
        <source>returns to the main window</source>
        <translation>vuelve a la ventana principal</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Texto de ayuda</translation>
    </message>
</context>
<context>
    <name>FormWindow</name>
    <message>
        <source>Zoom In</source>
        <translation>Ampliar</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Reducir</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>Tamaño real</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Pantalla completa</translation>
    </message>
</context>
<context>
    <name>Handout</name>
    <message>
        <source>The class pooled: %1 experiments at N = %2, %3</source>
        <translation>La clase en conjunto: %1 experimentos con N = %2, %3</translation>
    </message>
    <message>
        <source>%1 experiments at N = %2, %3</source>
        <translation>%1 experimentos con N = %2, %3</translation>
    </message>
    <message>
        <source>Even those who shoot bad guns will hit it if they shoot a lot</source>
        <translation>Quien dispara mucho acaba acertando, aunque el arma sea mala</translation>
    </message>
</context>
<context>
    <name>MissGridView</name>
    <message>
        <source>The last 100 experiments</source>
        <translation>Los últimos 100 experimentos</translation>
    </message>
    <message>
        <source>every shot missed</source>
        <translation>todos los disparos fallaron</translation>
    </message>
</context>
<context>
    <name>PredictionField</name>
    <message>
        <source>none</source>
        <translation>ninguna</translation>
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
        <translation>teoría ± 2 errores estándar</translation>
    </message>
    <message>
        <source>Success rate as the experiments add up (N = %1)</source>
        <translation>Tasa de éxito al sumar experimentos (N = %1)</translation>
    </message>
    <message>
        <source>Success rate as the experiments add up</source>
        <translation>Tasa de éxito al sumar experimentos</translation>
    </message>
    <message>
        <source>experiments (log scale)</source>
        <translation>experimentos (escala log.)</translation>
    </message>
    <message>
        <source>success rate</source>
        <translation>tasa de éxito</translation>
    </message>
    <message>
        <source>your prediction</source>
        <translation>tu predicción</translation>
    </message>
    <message>
        <source>naive guess N × 10 %</source>
        <translation>estimación ingenua N × 10 %</translation>
    </message>
    <message>
        <source>theory 1 − 0.9^N</source>
        <translation>teoría 1 − 0,9^N</translation>
    </message>
    <message>
        <source>experiments</source>
        <translation>experimentos</translation>
    </message>
    <message>
        <source>Successes minus the successes expected (N = %1)</source>
        <translation>Éxitos menos éxitos esperados (N = %1)</translation>
    </message>
    <message>
        <source>Successes minus the successes expected</source>
        <translation>Éxitos menos éxitos esperados</translation>
    </message>
    <message>
        <source>successes − expected</source>
        <translation>éxitos − esperados</translation>
    </message>
    <message>
        <source>± 2 standard deviations</source>
        <translation>± 2 desviaciones típicas</translation>
    </message>
    <message>
        <source>as expected: n × (1 − 0.9^N)</source>
        <translation>lo esperado: n × (1 − 0,9^N)</translation>
    </message>
    <message>
        <source>Hits per experiment</source>
        <translation>Aciertos por experimento</translation>
    </message>
    <message>
        <source>hits in an experiment</source>
        <translation>aciertos en un experimento</translation>
    </message>
    <message>
        <source>expected (binomial, 1 in 10)</source>
        <translation>esperado (binomial, 1 de cada 10)</translation>
    </message>
    <message>
        <source>0 hits: %1, expected 0.9^%2 = %3</source>
        <translation>0 aciertos: %1, esperado 0,9^%2 = %3</translation>
    </message>
    <message>
        <source>At least one hit, against N</source>
        <translation>Al menos un acierto, según N</translation>
    </message>
    <message>
        <source>shots per experiment N</source>
        <translation>disparos por experimento N</translation>
    </message>
    <message>
        <source>chance of success</source>
        <translation>prob. de éxito</translation>
    </message>
    <message>
        <source>your predictions</source>
        <translation>tus predicciones</translation>
    </message>
    <message>
        <source>experiments, with 95 % intervals</source>
        <translation>experimentos (intervalo 95 %)</translation>
    </message>
    <message>
        <source>Each learner&apos;s success rate (N = %1)</source>
        <translation>Tasa de éxito de cada alumno (N = %1)</translation>
    </message>
    <message>
        <source>Each learner&apos;s success rate</source>
        <translation>Tasa de éxito de cada alumno</translation>
    </message>
    <message>
        <source>learners</source>
        <translation>alumnos</translation>
    </message>
    <message>
        <source>counted by hand</source>
        <translation>recuento a mano</translation>
    </message>
    <message>
        <source>the class pooled, with 95 % interval</source>
        <translation>toda la clase (intervalo 95 %)</translation>
    </message>
    <message>
        <source>The class pooled: %1 successes in %2 experiments, %3</source>
        <translation>La clase en conjunto: %1 éxitos en %2 experimentos, %3</translation>
    </message>
</context>
<context>
    <name>ResultsFile</name>
    <message>
        <source>it is not a results file of Shoot a Lot (its first line should name the columns experiment, shots, hits, verdict and success_rate)</source>
        <translation>no es un archivo de resultados de Shoot a Lot (su primera línea debe nombrar las columnas experiment, shots, hits, verdict y success_rate)</translation>
    </message>
    <message>
        <source>line %1 is cut short</source>
        <translation>la línea %1 está cortada</translation>
    </message>
    <message>
        <source>line %1: the experiment number &quot;%2&quot; is not a whole number</source>
        <translation>línea %1: el número de experimento «%2» no es un número entero</translation>
    </message>
    <message>
        <source>line %1: experiment %2 where experiment %3 should come (were rows sorted, deleted or added?)</source>
        <translation>línea %1: experimento %2 donde debería ir el experimento %3 (¿se ordenaron, borraron o añadieron filas?)</translation>
    </message>
    <message>
        <source>line %1: &quot;%2&quot; shots an experiment, where the program fires 5 to 50</source>
        <translation>línea %1: «%2» disparos por experimento, cuando el programa dispara de 5 a 50</translation>
    </message>
    <message>
        <source>line %1: %2 shots an experiment, where the file&apos;s first experiment had %3</source>
        <translation>línea %1: %2 disparos por experimento, cuando el primer experimento del archivo tenía %3</translation>
    </message>
    <message>
        <source>line %1: &quot;%2&quot; hits in an experiment of %3 shots</source>
        <translation>línea %1: «%2» aciertos en un experimento de %3 disparos</translation>
    </message>
    <message>
        <source>line %1: the verdict &quot;%2&quot; does not follow from %3 hits</source>
        <translation>línea %1: el veredicto «%2» no se sigue de %3 aciertos</translation>
    </message>
    <message>
        <source>line %1: the success rate &quot;%2&quot; is not what the verdicts so far give (%3)</source>
        <translation>línea %1: la tasa de éxito «%2» no es la que dan los veredictos hasta ahí (%3)</translation>
    </message>
    <message>
        <source>line %1 is another learner&apos;s (%2, after %3): add each learner&apos;s own file</source>
        <translation>la línea %1 es de otro alumno (%2, después de %3): añade el archivo propio de cada alumno</translation>
    </message>
    <message>
        <source>none named</source>
        <translation>sin nombre</translation>
    </message>
    <message>
        <source>a quoted field from line %1 on is never closed</source>
        <translation>un campo entre comillas desde la línea %1 no se cierra nunca</translation>
    </message>
    <message>
        <source>it holds no experiments</source>
        <translation>no contiene ningún experimento</translation>
    </message>
    <message>
        <source>it is not there (was it moved or the stick taken out?)</source>
        <translation>no está (¿se movió o se quitó la memoria USB?)</translation>
    </message>
    <message>
        <source>you may not read it</source>
        <translation>no tienes permiso para leerlo</translation>
    </message>
    <message>
        <source>the disk could not be read</source>
        <translation>no se pudo leer el disco</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>es una carpeta, no un archivo</translation>
    </message>
    <message>
        <source>it is not a plain file (a pipe or a device)</source>
        <translation>no es un archivo normal (una tubería o un dispositivo)</translation>
    </message>
    <message>
        <source>it is larger than a results file can be (over %1 MB)</source>
        <translation>es más grande de lo que puede ser un archivo de resultados (más de %1 MB)</translation>
    </message>
    <message>
        <source>it could not be read: %1</source>
        <translation>no se pudo leer: %1</translation>
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
        <translation>Todavía no hay experimentos: no se ha elegido el número de disparos.</translation>
    </message>
    <message>
        <source>No experiment judged yet at N = %1.</source>
        <translation>Todavía no se ha juzgado ningún experimento con N = %1.</translation>
    </message>
    <message>
        <source>After 1 experiment at N = %1:</source>
        <translation>Tras 1 experimento con N = %1:</translation>
    </message>
    <message>
        <source>After %1 experiments at N = %2:</source>
        <translation>Tras %1 experimentos con N = %2:</translation>
    </message>
    <message>
        <source>1 success, a success rate of %1.</source>
        <translation>1 éxito, una tasa de éxito de %1.</translation>
    </message>
    <message>
        <source>%1 successes, a success rate of %2.</source>
        <translation>%1 éxitos, una tasa de éxito de %2.</translation>
    </message>
    <message>
        <source>That is within 2 standard errors (%1 points) of the theory.</source>
        <translation>Está a menos de 2 errores estándar (%1 puntos) de la teoría.</translation>
    </message>
    <message>
        <source>That is further than 2 standard errors (%1 points) from the theory.</source>
        <translation>Está a más de 2 errores estándar (%1 puntos) de la teoría.</translation>
    </message>
    <message>
        <source>Theory: 1 - 0.9^%1 = %2. Naive guess: N x 10 % = %3.</source>
        <translation>Teoría: 1 - 0,9^%1 = %2. Estimación ingenua: N x 10 % = %3.</translation>
    </message>
    <message>
        <source>Your prediction: %1.</source>
        <translation>Tu predicción: %1.</translation>
    </message>
    <message>
        <source>Your prediction, %1, matches the experiments.</source>
        <translation>Tu predicción, %1, coincide con los experimentos.</translation>
    </message>
    <message>
        <source>Your prediction, %1, is %2 points higher than the experiments.</source>
        <translation>Tu predicción, %1, está %2 puntos por encima de los experimentos.</translation>
    </message>
    <message>
        <source>Your prediction, %1, is %2 points lower than the experiments.</source>
        <translation>Tu predicción, %1, está %2 puntos por debajo de los experimentos.</translation>
    </message>
    <message>
        <source>Theory %1, naive guess %2.</source>
        <translation>Teoría %1, estimación ingenua %2.</translation>
    </message>
    <message>
        <source>Success rate after %1 experiments: %2. The band of 2 standard errors runs from %3 to %4.</source>
        <translation>Tasa de éxito tras %1 experimentos: %2. La banda de 2 errores estándar va de %3 a %4.</translation>
    </message>
    <message>
        <source>after %1: %2</source>
        <translation>tras %1: %2</translation>
    </message>
    <message>
        <source>Along the way, %1.</source>
        <translation>Por el camino: %1.</translation>
    </message>
    <message>
        <source>Your prediction %1.</source>
        <translation>Tu predicción %1.</translation>
    </message>
    <message>
        <source>Successes minus the successes expected at N = %1: no experiment judged yet.</source>
        <translation>Éxitos menos éxitos esperados con N = %1: todavía no se ha juzgado ningún experimento.</translation>
    </message>
    <message>
        <source>After %1 experiments at N = %2: %3 successes, %4 expected (%1 × %5); successes minus expected %6, the band of 2 standard deviations running from −%7 to +%7.</source>
        <translation>Tras %1 experimentos con N = %2: %3 éxitos, %4 esperados (%1 × %5); éxitos menos esperados %6, con la banda de 2 desviaciones típicas de −%7 a +%7.</translation>
    </message>
    <message>
        <source>The last 100 experiments: none judged yet; theory: 100 × 0.9^%1 = %2 of 100 would miss every shot.</source>
        <translation>Los últimos 100 experimentos: ninguno juzgado todavía; teoría: 100 × 0,9^%1 = %2 de cada 100 fallarían todos los disparos.</translation>
    </message>
    <message>
        <source>The last 100 experiments: none judged yet.</source>
        <translation>Los últimos 100 experimentos: ninguno juzgado todavía.</translation>
    </message>
    <message>
        <source>%1 of the first %2 experiments missed every shot; theory: 100 × 0.9^%3 = %4 in 100.</source>
        <translation>%1 de los primeros %2 experimentos fallaron todos los disparos; teoría: 100 × 0,9^%3 = %4 de cada 100.</translation>
    </message>
    <message>
        <source>%1 of the last 100 experiments missed every shot; theory: 100 × 0.9^%2 = %3.</source>
        <translation>%1 de los últimos 100 experimentos fallaron todos los disparos; teoría: 100 × 0,9^%2 = %3.</translation>
    </message>
    <message>
        <source>The rate settles on the theory while successes minus expected wanders ever wider: the difference grows like the square root of n, and n grows faster, so the counts never even out though the rate does.</source>
        <translation>La tasa se asienta en la teoría mientras los éxitos menos los esperados se alejan cada vez más: la diferencia crece como la raíz cuadrada de n, y n crece más deprisa, así que los recuentos nunca se igualan aunque la tasa sí.</translation>
    </message>
    <message>
        <source>Hits per experiment at N = %1: no experiment judged yet; the failures will be those with 0 hits (expected share 0.9^%1 = %2).</source>
        <translation>Aciertos por experimento con N = %1: todavía no se ha juzgado ningún experimento; los fracasos serán los de 0 aciertos (proporción esperada 0,9^%1 = %2).</translation>
    </message>
    <message>
        <source>1 hit</source>
        <translation>1 acierto</translation>
    </message>
    <message>
        <source>%1 hits</source>
        <translation>%1 aciertos</translation>
    </message>
    <message>
        <source>%1: %2, expected %3</source>
        <translation>%1: %2, esperado %3</translation>
    </message>
    <message>
        <source>Hits per experiment in %1 experiments at N = %2, the failures being those with 0 hits (expected share 0.9^%2 = %3): %4.</source>
        <translation>Aciertos por experimento en %1 experimentos con N = %2, siendo fracasos los de 0 aciertos (proporción esperada 0,9^%2 = %3): %4.</translation>
    </message>
    <message>
        <source>N = %1: %2 in %3 experiments (95 % interval %4 to %5), theory %6</source>
        <translation>N = %1: %2 en %3 experimentos (intervalo del 95 % de %4 a %5), teoría %6</translation>
    </message>
    <message>
        <source>No N tried yet. The theory rises from %1 at N = 5 to %2 at N = 50.</source>
        <translation>Todavía no se ha probado ningún N. La teoría sube de %1 con N = 5 a %2 con N = 50.</translation>
    </message>
    <message>
        <source>Chance of at least one hit against N. %1.</source>
        <translation>Probabilidad de al menos un acierto según N. %1.</translation>
    </message>
    <message>
        <source>Shoot a Lot results</source>
        <translation>Resultados de Shoot a Lot</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>experiments</source>
        <translation>experimentos</translation>
    </message>
    <message>
        <source>successes</source>
        <translation>éxitos</translation>
    </message>
    <message>
        <source>success rate</source>
        <translation>tasa de éxito</translation>
    </message>
    <message>
        <source>theory</source>
        <translation>teoría</translation>
    </message>
    <message>
        <source>2 standard errors</source>
        <translation>2 errores estándar</translation>
    </message>
    <message>
        <source>naive guess</source>
        <translation>estimación ingenua</translation>
    </message>
    <message>
        <source>prediction</source>
        <translation>predicción</translation>
    </message>
    <message>
        <source>hits</source>
        <translation>aciertos</translation>
    </message>
    <message>
        <source>expected</source>
        <translation>esperados</translation>
    </message>
    <message>
        <source>95 % low</source>
        <translation>95 % inferior</translation>
    </message>
    <message>
        <source>95 % high</source>
        <translation>95 % superior</translation>
    </message>
</context>
<context>
    <name>ResultsWindow</name>
    <message>
        <source>Results</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>Side by side</source>
        <translation>Lado a lado</translation>
    </message>
    <message>
        <source>Save the results</source>
        <translation>Guardar los resultados</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>PNG picture for a slide, 1920 × 1080 (*.png)</source>
        <translation>Imagen PNG para diapositiva, 1920 × 1080 (*.png)</translation>
    </message>
    <message>
        <source>PNG picture for print, 300 dpi (*.png)</source>
        <translation>Imagen PNG para imprimir, 300 ppp (*.png)</translation>
    </message>
    <message>
        <source>PNG picture as on the screen (*.png)</source>
        <translation>Imagen PNG como en la pantalla (*.png)</translation>
    </message>
    <message>
        <source>SVG picture, lines and text kept (*.svg)</source>
        <translation>Imagen SVG, con líneas y texto conservados (*.svg)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Documento PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Replace the pictures?</source>
        <translation>¿Reemplazar las imágenes?</translation>
    </message>
    <message>
        <source>These files are there already:
%1

Replace them?</source>
        <translation>Estos archivos ya existen:
%1

¿Reemplazarlos?</translation>
    </message>
    <message>
        <source>Export the handout</source>
        <translation>Exportar la hoja para repartir</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Documentos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Print the handout</source>
        <translation>Imprimir la hoja para repartir</translation>
    </message>
    <message>
        <source>Results not saved</source>
        <translation>Resultados no guardados</translation>
    </message>
    <message>
        <source>Your name, or your group&apos;s: it names these results when the class is pooled.</source>
        <translation>Tu nombre, o el de tu grupo: da nombre a estos resultados cuando se junta la clase.</translation>
    </message>
    <message>
        <source>Add the class&apos;s results</source>
        <translation>Añadir los resultados de la clase</translation>
    </message>
    <message>
        <source>Results files (*.csv);;All files (*)</source>
        <translation>Archivos de resultados (*.csv);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Add a tally counted by hand</source>
        <translation>Añadir un recuento hecho a mano</translation>
    </message>
    <message>
        <source>&amp;Name or group:</source>
        <translation>&amp;Nombre o grupo:</translation>
    </message>
    <message>
        <source>&amp;Shots per experiment N:</source>
        <translation>&amp;Disparos por experimento N:</translation>
    </message>
    <message>
        <source>&amp;Experiments:</source>
        <translation>&amp;Experimentos:</translation>
    </message>
    <message>
        <source>S&amp;uccesses (at least one hit):</source>
        <translation>É&amp;xitos (al menos un acierto):</translation>
    </message>
    <message>
        <source>Counted by hand</source>
        <translation>Recuento a mano</translation>
    </message>
    <message>
        <source>Save the class</source>
        <translation>Guardar la clase</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Resumen</translation>
    </message>
    <message>
        <source>Your guess at the success rate, in percent from 0 to 100 with at most one decimal, before running</source>
        <translation>Tu estimación de la tasa de éxito, en porcentaje de 0 a 100 con un decimal como máximo, antes de ejecutar</translation>
    </message>
    <message>
        <source>Not taken: a percent from 0 to 100, with at most one decimal. The prediction stays as it was.</source>
        <translation>No aceptado: un porcentaje de 0 a 100, con un decimal como máximo. La predicción sigue como estaba.</translation>
    </message>
    <message>
        <source>Fires %1 experiments at once at the present number of shots</source>
        <translation>Hace %1 experimentos de una vez con el número de disparos actual</translation>
    </message>
    <message>
        <source>at once</source>
        <translation>de una vez</translation>
    </message>
    <message>
        <source>watched, faster</source>
        <translation>viéndolo, deprisa</translation>
    </message>
    <message>
        <source>watched, slowly</source>
        <translation>viéndolo, despacio</translation>
    </message>
    <message>
        <source>How a run is shown</source>
        <translation>Cómo se muestra una ejecución</translation>
    </message>
    <message>
        <source>At once, or judged in order while the counts and charts grow</source>
        <translation>De una vez, o juzgados en orden mientras crecen los recuentos y los gráficos</translation>
    </message>
    <message>
        <source>Sho&amp;wn:</source>
        <translation>&amp;Vista:</translation>
    </message>
    <message>
        <source>Si&amp;de by side</source>
        <translation>&amp;Lado a lado</translation>
    </message>
    <message>
        <source>Puts this window and the main window side by side on the screen</source>
        <translation>Pone esta ventana y la principal una al lado de la otra en la pantalla</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Guardar...</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>Ce&amp;rrar</translation>
    </message>
    <message>
        <source>Copy picture</source>
        <translation>Copiar la imagen</translation>
    </message>
    <message>
        <source>Save picture...</source>
        <translation>Guardar la imagen...</translation>
    </message>
    <message>
        <source>Success ra&amp;te</source>
        <translation>&amp;Tasa de éxito</translation>
    </message>
    <message>
        <source>Successes minus e&amp;xpected</source>
        <translation>Éxitos menos esperad&amp;os</translation>
    </message>
    <message>
        <source>&amp;Mine</source>
        <translation>&amp;Míos</translation>
    </message>
    <message>
        <source>The experiments of this computer</source>
        <translation>Los experimentos de este ordenador</translation>
    </message>
    <message>
        <source>Cl&amp;ass</source>
        <translation>Cl&amp;ase</translation>
    </message>
    <message>
        <source>The whole class pooled, from every learner&apos;s results file</source>
        <translation>Toda la clase junta, a partir del archivo de resultados de cada alumno</translation>
    </message>
    <message>
        <source>Print handout...</source>
        <translation>Imprimir la hoja para repartir...</translation>
    </message>
    <message>
        <source>Export handout as PDF...</source>
        <translation>Exportar la hoja como PDF...</translation>
    </message>
    <message>
        <source>Save all charts...</source>
        <translation>Guardar todos los gráficos...</translation>
    </message>
    <message>
        <source>The class&apos;s learners</source>
        <translation>Los alumnos de la clase</translation>
    </message>
    <message>
        <source>Add r&amp;esults...</source>
        <translation>Añadir r&amp;esultados...</translation>
    </message>
    <message>
        <source>Adds the results files saved on the class&apos;s computers (several at once); files can be dropped on the window too</source>
        <translation>Añade los archivos de resultados guardados en los ordenadores de la clase (varios a la vez); también se pueden soltar archivos sobre la ventana</translation>
    </message>
    <message>
        <source>Add a tall&amp;y...</source>
        <translation>Añadir rec&amp;uento...</translation>
    </message>
    <message>
        <source>Adds experiments counted by hand, such as a game with ten-sided dice</source>
        <translation>Añade experimentos contados a mano, como un juego con dados de diez caras</translation>
    </message>
    <message>
        <source>Remo&amp;ve</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>Takes the chosen learners out of the class</source>
        <translation>Quita de la clase a los alumnos elegidos</translation>
    </message>
    <message>
        <source>Save t&amp;he class...</source>
        <translation>Guardar la cla&amp;se...</translation>
    </message>
    <message>
        <source>Copy class ta&amp;ble</source>
        <translation>Copiar ta&amp;bla de la clase</translation>
    </message>
    <message>
        <source>Reading the class&apos;s results...</source>
        <translation>Leyendo los resultados de la clase...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Adding results</source>
        <translation>Añadir resultados</translation>
    </message>
    <message>
        <source>Adding was cancelled: no file was added.</source>
        <translation>Se canceló: no se añadió ningún archivo.</translation>
    </message>
    <message>
        <source>%1 was not added: %2.</source>
        <translation>%1 no se añadió: %2.</translation>
    </message>
    <message>
        <source>%1 is %2&apos;s run again, saved later: it takes the place of the earlier file.</source>
        <translation>%1 es de nuevo la ejecución de %2, guardada más tarde: ocupa el lugar del archivo anterior.</translation>
    </message>
    <message>
        <source>%1 is %2&apos;s run, already in the class: it counts once.</source>
        <translation>%1 es la ejecución de %2, que ya está en la clase: cuenta una sola vez.</translation>
    </message>
    <message>
        <source>1 file added.</source>
        <translation>Se añadió 1 archivo.</translation>
    </message>
    <message>
        <source>%1 files added.</source>
        <translation>Se añadieron %1 archivos.</translation>
    </message>
    <message>
        <source>The class could not be saved to %1: %2. Nothing there was changed.</source>
        <translation>No se pudo guardar la clase en %1: %2. No se cambió nada allí.</translation>
    </message>
    <message>
        <source>St&amp;op</source>
        <translation>&amp;Detener</translation>
    </message>
    <message>
        <source>Stops the run, finishing the experiment under way</source>
        <translation>Detiene la ejecución, terminando el experimento en curso</translation>
    </message>
    <message>
        <source>Run &amp;100</source>
        <translation>Ejecutar &amp;100</translation>
    </message>
    <message>
        <source>Run 1,&amp;000</source>
        <translation>Ejecutar 1.&amp;000</translation>
    </message>
    <message>
        <source>&amp;Run 10,000</source>
        <translation>E&amp;jecutar 10.000</translation>
    </message>
    <message>
        <source>Your &amp;prediction for N = %1:</source>
        <translation>Tu &amp;predicción para N = %1:</translation>
    </message>
    <message>
        <source>Your &amp;prediction:</source>
        <translation>Tu &amp;predicción:</translation>
    </message>
    <message>
        <source>Saving the results to %1...</source>
        <translation>Guardando los resultados en %1...</translation>
    </message>
    <message>
        <source>Saving</source>
        <translation>Guardando</translation>
    </message>
    <message>
        <source>The results could not be saved to %1: %2. Nothing there was changed.</source>
        <translation>No se pudieron guardar los resultados en %1: %2. No se cambió nada allí.</translation>
    </message>
    <message>
        <source>Shoot a Lot: %1 experiments at N = %2, %3</source>
        <translation>Shoot a Lot: %1 experimentos con N = %2, %3</translation>
    </message>
    <message>
        <source>Save the picture</source>
        <translation>Guardar la imagen</translation>
    </message>
    <message>
        <source>Save all charts</source>
        <translation>Guardar todos los gráficos</translation>
    </message>
    <message>
        <source>The picture could not be saved to %1: %2. Nothing there was changed.</source>
        <translation>No se pudo guardar la imagen en %1: %2. No se cambió nada allí.</translation>
    </message>
    <message>
        <source>The handout could not be saved to %1: %2. Nothing there was changed.</source>
        <translation>No se pudo guardar la hoja en %1: %2. No se cambió nada allí.</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>the disk is full</source>
        <translation>el disco está lleno</translation>
    </message>
    <message>
        <source>the file is larger than this disk or account allows</source>
        <translation>el archivo es más grande de lo que permiten este disco o esta cuenta</translation>
    </message>
    <message>
        <source>the name is too long</source>
        <translation>el nombre es demasiado largo</translation>
    </message>
    <message>
        <source>you may not write there</source>
        <translation>no tienes permiso para escribir ahí</translation>
    </message>
    <message>
        <source>the disk can only be read</source>
        <translation>el disco es de solo lectura</translation>
    </message>
    <message>
        <source>the folder does not exist</source>
        <translation>la carpeta no existe</translation>
    </message>
    <message>
        <source>a folder has that name</source>
        <translation>hay una carpeta con ese nombre</translation>
    </message>
    <message>
        <source>the disk could not be written</source>
        <translation>no se pudo escribir en el disco</translation>
    </message>
    <message>
        <source>the file could not be written</source>
        <translation>no se pudo escribir el archivo</translation>
    </message>
</context>
</TS>
