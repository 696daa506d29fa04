<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>Announcements</name>
    <message>
        <source>Shot %1: hit.</source>
        <translation>%1発目: 命中。</translation>
    </message>
    <message>
        <source>Shot %1: miss.</source>
        <translation>%1発目: 外れ。</translation>
    </message>
    <message>
        <source>%1. Success rate %2.</source>
        <translation>%1。成功率 %2。</translation>
    </message>
    <message>
        <source>Ready: %1 shots per experiment. Firing fires one shot, AutoStart fires them automatically.</source>
        <translation>準備完了: 1回の実験で %1 発。Firing で1発撃ち、AutoStart で自動的に撃ちます。</translation>
    </message>
    <message>
        <source>Automatic firing. Only AutoStop can be used.</source>
        <translation>自動射撃中。使えるのは AutoStop だけです。</translation>
    </message>
    <message>
        <source>Automatic firing stopped.</source>
        <translation>自動射撃を止めました。</translation>
    </message>
    <message>
        <source>Shot %1 of %2, %3 hit(s) in this experiment.</source>
        <translation>%2 発中 %1 発目、この実験の命中 %3 回。</translation>
    </message>
</context>
<context>
    <name>ChartView</name>
    <message>
        <source>%1 %</source>
        <translation>%1%</translation>
    </message>
</context>
<context>
    <name>ClassReport</name>
    <message>
        <source>No class yet: add the results files of the class&apos;s computers (Add results...), or a tally counted by hand.</source>
        <translation>クラスはまだありません。クラスのコンピューターの結果ファイルを追加する (結果を追加...) か、手で数えた集計を加えてください。</translation>
    </message>
    <message>
        <source>The class, pooled: 1 learner, %1 experiments at N = %2 with %3 successes, a success rate of %4.</source>
        <translation>クラスの合計: 生徒 1 人、N = %2 の実験 %1 回、成功 %3 回、成功率 %4。</translation>
    </message>
    <message>
        <source>The class, pooled: %1 learners, %2 experiments at N = %3 with %4 successes, a success rate of %5.</source>
        <translation>クラスの合計: 生徒 %1 人、N = %3 の実験 %2 回、成功 %4 回、成功率 %5。</translation>
    </message>
    <message>
        <source>That is within 2 standard errors (%1 points) of the theory, %2.</source>
        <translation>理論値 %2 から標準誤差の 2 倍 (%1 ポイント) 以内です。</translation>
    </message>
    <message>
        <source>That is further than 2 standard errors (%1 points) from the theory, %2.</source>
        <translation>理論値 %2 から標準誤差の 2 倍 (%1 ポイント) より離れています。</translation>
    </message>
    <message>
        <source>%1 of the %2 learners&apos; own rates lie within 2 standard errors of the theory; about 95 % should.</source>
        <translation>生徒 %2 人のうち %1 人の成功率が理論値から標準誤差の 2 倍以内にあります。約 95% が入るはずです。</translation>
    </message>
    <message>
        <source>%1 more at other numbers of shots count in the chart across N.</source>
        <translation>ほかの射撃数の %1 件は「N ごとの成功確率」のグラフに入ります。</translation>
    </message>
    <message>
        <source>%1 (counted by hand): %2 successes in %3 experiments at N = %4, %5</source>
        <translation>%1 (手で集計): N = %4 の実験 %3 回で成功 %2 回、%5</translation>
    </message>
    <message>
        <source>%1: %2 successes in %3 experiments at N = %4, %5</source>
        <translation>%1: N = %4 の実験 %3 回で成功 %2 回、%5</translation>
    </message>
</context>
<context>
    <name>ClassTableModel</name>
    <message>
        <source>counted by hand</source>
        <translation>手で集計</translation>
    </message>
    <message>
        <source>Learner</source>
        <translation>生徒</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>Experiments</source>
        <translation>実験回数</translation>
    </message>
    <message>
        <source>Successes</source>
        <translation>成功回数</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>成功率</translation>
    </message>
    <message>
        <source>From</source>
        <translation>ファイル</translation>
    </message>
</context>
<context>
    <name>ControlRole</name>
    <message>
        <source>plays the sound cues</source>
        <translation>効果音を鳴らします</translation>
    </message>
    <message>
        <source>Target plot</source>
        <translation>標的</translation>
    </message>
    <message>
        <source>returns to the main window</source>
        <translation>メイン ウィンドウに戻ります</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>説明</translation>
    </message>
</context>
<context>
    <name>FormWindow</name>
    <message>
        <source>Zoom In</source>
        <translation>拡大</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>縮小</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>実際のサイズ</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>全画面表示</translation>
    </message>
</context>
<context>
    <name>Handout</name>
    <message>
        <source>The class pooled: %1 experiments at N = %2, %3</source>
        <translation>クラスの合計: N = %2 の実験 %1 回、%3</translation>
    </message>
    <message>
        <source>%1 experiments at N = %2, %3</source>
        <translation>N = %2 の実験 %1 回、%3</translation>
    </message>
    <message>
        <source>Even those who shoot bad guns will hit it if they shoot a lot</source>
        <translation>下手な鉄砲も数撃ちゃ当たる</translation>
    </message>
</context>
<context>
    <name>MissGridView</name>
    <message>
        <source>The last 100 experiments</source>
        <translation>直近 100 回の実験</translation>
    </message>
    <message>
        <source>every shot missed</source>
        <translation>全弾外れ</translation>
    </message>
</context>
<context>
    <name>PredictionField</name>
    <message>
        <source>none</source>
        <translation>なし</translation>
    </message>
    <message>
        <source> %</source>
        <translation>%</translation>
    </message>
</context>
<context>
    <name>ResultsCharts</name>
    <message>
        <source>theory ± 2 standard errors</source>
        <translation>理論値 ± 標準誤差の 2 倍</translation>
    </message>
    <message>
        <source>Success rate as the experiments add up (N = %1)</source>
        <translation>実験を重ねたときの成功率 (N = %1)</translation>
    </message>
    <message>
        <source>Success rate as the experiments add up</source>
        <translation>実験を重ねたときの成功率</translation>
    </message>
    <message>
        <source>experiments (log scale)</source>
        <translation>実験回数 (対数目盛)</translation>
    </message>
    <message>
        <source>success rate</source>
        <translation>成功率</translation>
    </message>
    <message>
        <source>your prediction</source>
        <translation>あなたの予想</translation>
    </message>
    <message>
        <source>naive guess N × 10 %</source>
        <translation>素朴な予想 N × 10 %</translation>
    </message>
    <message>
        <source>theory 1 − 0.9^N</source>
        <translation>理論値 1 − 0.9^N</translation>
    </message>
    <message>
        <source>experiments</source>
        <translation>実験</translation>
    </message>
    <message>
        <source>Successes minus the successes expected (N = %1)</source>
        <translation>成功回数と期待値の差 (N = %1)</translation>
    </message>
    <message>
        <source>Successes minus the successes expected</source>
        <translation>成功回数と期待値の差</translation>
    </message>
    <message>
        <source>successes − expected</source>
        <translation>成功回数 − 期待値</translation>
    </message>
    <message>
        <source>± 2 standard deviations</source>
        <translation>± 標準偏差の 2 倍</translation>
    </message>
    <message>
        <source>as expected: n × (1 − 0.9^N)</source>
        <translation>期待どおり: n × (1 − 0.9^N)</translation>
    </message>
    <message>
        <source>Hits per experiment</source>
        <translation>1 回の実験の命中数</translation>
    </message>
    <message>
        <source>hits in an experiment</source>
        <translation>1 回の実験での命中数</translation>
    </message>
    <message>
        <source>expected (binomial, 1 in 10)</source>
        <translation>期待値 (二項分布、10 回に 1 回)</translation>
    </message>
    <message>
        <source>0 hits: %1, expected 0.9^%2 = %3</source>
        <translation>命中 0: %1、期待値 0.9^%2 = %3</translation>
    </message>
    <message>
        <source>At least one hit, against N</source>
        <translation>少なくとも 1 回命中する確率と N</translation>
    </message>
    <message>
        <source>shots per experiment N</source>
        <translation>1 回の実験の射撃数 N</translation>
    </message>
    <message>
        <source>chance of success</source>
        <translation>成功の確率</translation>
    </message>
    <message>
        <source>your predictions</source>
        <translation>あなたの予想</translation>
    </message>
    <message>
        <source>experiments, with 95 % intervals</source>
        <translation>実験 (95 % 区間つき)</translation>
    </message>
    <message>
        <source>Each learner&apos;s success rate (N = %1)</source>
        <translation>生徒ごとの成功率 (N = %1)</translation>
    </message>
    <message>
        <source>Each learner&apos;s success rate</source>
        <translation>生徒ごとの成功率</translation>
    </message>
    <message>
        <source>learners</source>
        <translation>生徒</translation>
    </message>
    <message>
        <source>counted by hand</source>
        <translation>手で集計</translation>
    </message>
    <message>
        <source>the class pooled, with 95 % interval</source>
        <translation>クラスの合計 (95 % 区間つき)</translation>
    </message>
    <message>
        <source>The class pooled: %1 successes in %2 experiments, %3</source>
        <translation>クラスの合計: 実験 %2 回で成功 %1 回、%3</translation>
    </message>
</context>
<context>
    <name>ResultsFile</name>
    <message>
        <source>it is not a results file of Shoot a Lot (its first line should name the columns experiment, shots, hits, verdict and success_rate)</source>
        <translation>Shoot a Lot の結果ファイルではありません (1 行目に experiment, shots, hits, verdict, success_rate の列名が必要です)</translation>
    </message>
    <message>
        <source>line %1 is cut short</source>
        <translation>%1 行目が途中で切れています</translation>
    </message>
    <message>
        <source>line %1: the experiment number &quot;%2&quot; is not a whole number</source>
        <translation>%1 行目: 実験番号「%2」が整数ではありません</translation>
    </message>
    <message>
        <source>line %1: experiment %2 where experiment %3 should come (were rows sorted, deleted or added?)</source>
        <translation>%1 行目: 実験 %3 が来るはずのところに実験 %2 があります (行を並べ替えたり、削除・追加したりしましたか?)</translation>
    </message>
    <message>
        <source>line %1: &quot;%2&quot; shots an experiment, where the program fires 5 to 50</source>
        <translation>%1 行目: 1 回の実験の射撃数が「%2」ですが、このプログラムは 5 から 50 発撃ちます</translation>
    </message>
    <message>
        <source>line %1: %2 shots an experiment, where the file&apos;s first experiment had %3</source>
        <translation>%1 行目: 1 回の実験の射撃数が %2 ですが、このファイルの最初の実験は %3 でした</translation>
    </message>
    <message>
        <source>line %1: &quot;%2&quot; hits in an experiment of %3 shots</source>
        <translation>%1 行目: %3 発の実験で命中「%2」</translation>
    </message>
    <message>
        <source>line %1: the verdict &quot;%2&quot; does not follow from %3 hits</source>
        <translation>%1 行目: 判定「%2」は命中 %3 回と合いません</translation>
    </message>
    <message>
        <source>line %1: the success rate &quot;%2&quot; is not what the verdicts so far give (%3)</source>
        <translation>%1 行目: 成功率「%2」がそれまでの判定から出る値 (%3) と合いません</translation>
    </message>
    <message>
        <source>line %1 is another learner&apos;s (%2, after %3): add each learner&apos;s own file</source>
        <translation>%1 行目は別の生徒のものです (%3 のあとに %2): 生徒ごとのファイルを追加してください</translation>
    </message>
    <message>
        <source>none named</source>
        <translation>名前なし</translation>
    </message>
    <message>
        <source>a quoted field from line %1 on is never closed</source>
        <translation>%1 行目からの引用符で囲まれた欄が閉じていません</translation>
    </message>
    <message>
        <source>it holds no experiments</source>
        <translation>実験が 1 回もありません</translation>
    </message>
    <message>
        <source>it is not there (was it moved or the stick taken out?)</source>
        <translation>見つかりません (移動されたか、USB メモリーが抜かれましたか?)</translation>
    </message>
    <message>
        <source>you may not read it</source>
        <translation>読む権限がありません</translation>
    </message>
    <message>
        <source>the disk could not be read</source>
        <translation>ディスクを読めませんでした</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>ファイルではなくフォルダーです</translation>
    </message>
    <message>
        <source>it is not a plain file (a pipe or a device)</source>
        <translation>通常のファイルではありません (パイプかデバイス)</translation>
    </message>
    <message>
        <source>it is larger than a results file can be (over %1 MB)</source>
        <translation>結果ファイルとしては大きすぎます (%1 MB 超)</translation>
    </message>
    <message>
        <source>it could not be read: %1</source>
        <translation>読めませんでした: %1</translation>
    </message>
</context>
<context>
    <name>ResultsReport</name>
    <message>
        <source>%1 %</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>No experiment yet: the number of shots has not been chosen.</source>
        <translation>まだ実験がありません: 射撃数がまだ決まっていません。</translation>
    </message>
    <message>
        <source>No experiment judged yet at N = %1.</source>
        <translation>N = %1 で判定された実験はまだありません。</translation>
    </message>
    <message>
        <source>After 1 experiment at N = %1:</source>
        <translation>N = %1 で実験 1 回:</translation>
    </message>
    <message>
        <source>After %1 experiments at N = %2:</source>
        <translation>N = %2 で実験 %1 回:</translation>
    </message>
    <message>
        <source>1 success, a success rate of %1.</source>
        <translation>成功 1 回、成功率 %1。</translation>
    </message>
    <message>
        <source>%1 successes, a success rate of %2.</source>
        <translation>成功 %1 回、成功率 %2。</translation>
    </message>
    <message>
        <source>That is within 2 standard errors (%1 points) of the theory.</source>
        <translation>理論値から標準誤差の 2 倍 (%1 ポイント) 以内です。</translation>
    </message>
    <message>
        <source>That is further than 2 standard errors (%1 points) from the theory.</source>
        <translation>理論値から標準誤差の 2 倍 (%1 ポイント) より離れています。</translation>
    </message>
    <message>
        <source>Theory: 1 - 0.9^%1 = %2. Naive guess: N x 10 % = %3.</source>
        <translation>理論値: 1 - 0.9^%1 = %2。素朴な予想: N x 10 % = %3。</translation>
    </message>
    <message>
        <source>Your prediction: %1.</source>
        <translation>あなたの予想: %1。</translation>
    </message>
    <message>
        <source>Your prediction, %1, matches the experiments.</source>
        <translation>あなたの予想 %1 は実験と一致しています。</translation>
    </message>
    <message>
        <source>Your prediction, %1, is %2 points higher than the experiments.</source>
        <translation>あなたの予想 %1 は実験より %2 ポイント高いです。</translation>
    </message>
    <message>
        <source>Your prediction, %1, is %2 points lower than the experiments.</source>
        <translation>あなたの予想 %1 は実験より %2 ポイント低いです。</translation>
    </message>
    <message>
        <source>Theory %1, naive guess %2.</source>
        <translation>理論値 %1、素朴な予想 %2。</translation>
    </message>
    <message>
        <source>Success rate after %1 experiments: %2. The band of 2 standard errors runs from %3 to %4.</source>
        <translation>実験 %1 回後の成功率: %2。標準誤差の 2 倍の帯は %3 から %4 まで。</translation>
    </message>
    <message>
        <source>after %1: %2</source>
        <translation>%1 回後: %2</translation>
    </message>
    <message>
        <source>Along the way, %1.</source>
        <translation>途中経過: %1。</translation>
    </message>
    <message>
        <source>Your prediction %1.</source>
        <translation>あなたの予想 %1。</translation>
    </message>
    <message>
        <source>Successes minus the successes expected at N = %1: no experiment judged yet.</source>
        <translation>N = %1 での成功回数と期待値の差: 判定された実験はまだありません。</translation>
    </message>
    <message>
        <source>After %1 experiments at N = %2: %3 successes, %4 expected (%1 × %5); successes minus expected %6, the band of 2 standard deviations running from −%7 to +%7.</source>
        <translation>N = %2 で実験 %1 回後: 成功 %3 回、期待値 %4 (%1 × %5)。成功回数と期待値の差は %6、標準偏差の 2 倍の帯は −%7 から +%7 まで。</translation>
    </message>
    <message>
        <source>The last 100 experiments: none judged yet; theory: 100 × 0.9^%1 = %2 of 100 would miss every shot.</source>
        <translation>直近 100 回の実験: まだ判定されていません。理論値: 100 × 0.9^%1 = %2 回が 100 回中で全弾外れになります。</translation>
    </message>
    <message>
        <source>The last 100 experiments: none judged yet.</source>
        <translation>直近 100 回の実験: まだ判定されていません。</translation>
    </message>
    <message>
        <source>%1 of the first %2 experiments missed every shot; theory: 100 × 0.9^%3 = %4 in 100.</source>
        <translation>最初の %2 回の実験のうち %1 回が全弾外れ。理論値: 100 回中 100 × 0.9^%3 = %4 回。</translation>
    </message>
    <message>
        <source>%1 of the last 100 experiments missed every shot; theory: 100 × 0.9^%2 = %3.</source>
        <translation>直近 100 回の実験のうち %1 回が全弾外れ。理論値: 100 × 0.9^%2 = %3。</translation>
    </message>
    <message>
        <source>The rate settles on the theory while successes minus expected wanders ever wider: the difference grows like the square root of n, and n grows faster, so the counts never even out though the rate does.</source>
        <translation>成功率は理論値に落ち着いていきますが、成功回数と期待値の差はどんどん広がります。差は n の平方根のように増え、n はそれより速く増えるので、成功率はそろっても回数はそろいません。</translation>
    </message>
    <message>
        <source>Hits per experiment at N = %1: no experiment judged yet; the failures will be those with 0 hits (expected share 0.9^%1 = %2).</source>
        <translation>N = %1 での 1 回の実験の命中数: 判定された実験はまだありません。失敗は命中 0 の実験です (期待される割合 0.9^%1 = %2)。</translation>
    </message>
    <message>
        <source>1 hit</source>
        <translation>命中 1</translation>
    </message>
    <message>
        <source>%1 hits</source>
        <translation>命中 %1</translation>
    </message>
    <message>
        <source>%1: %2, expected %3</source>
        <translation>%1: %2、期待値 %3</translation>
    </message>
    <message>
        <source>Hits per experiment in %1 experiments at N = %2, the failures being those with 0 hits (expected share 0.9^%2 = %3): %4.</source>
        <translation>N = %2 の実験 %1 回での 1 回の実験の命中数 (失敗は命中 0 の実験、期待される割合 0.9^%2 = %3): %4。</translation>
    </message>
    <message>
        <source>N = %1: %2 in %3 experiments (95 % interval %4 to %5), theory %6</source>
        <translation>N = %1: 実験 %3 回で %2 (95 % 区間 %4 から %5)、理論値 %6</translation>
    </message>
    <message>
        <source>No N tried yet. The theory rises from %1 at N = 5 to %2 at N = 50.</source>
        <translation>まだ N を試していません。理論値は N = 5 の %1 から N = 50 の %2 まで上がります。</translation>
    </message>
    <message>
        <source>Chance of at least one hit against N. %1.</source>
        <translation>少なくとも 1 回命中する確率と N。%1。</translation>
    </message>
    <message>
        <source>Shoot a Lot results</source>
        <translation>Shoot a Lot の結果</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>experiments</source>
        <translation>実験回数</translation>
    </message>
    <message>
        <source>successes</source>
        <translation>成功回数</translation>
    </message>
    <message>
        <source>success rate</source>
        <translation>成功率</translation>
    </message>
    <message>
        <source>theory</source>
        <translation>理論値</translation>
    </message>
    <message>
        <source>2 standard errors</source>
        <translation>標準誤差の 2 倍</translation>
    </message>
    <message>
        <source>naive guess</source>
        <translation>素朴な予想</translation>
    </message>
    <message>
        <source>prediction</source>
        <translation>予想</translation>
    </message>
    <message>
        <source>hits</source>
        <translation>命中数</translation>
    </message>
    <message>
        <source>expected</source>
        <translation>期待値</translation>
    </message>
    <message>
        <source>95 % low</source>
        <translation>95 % 下限</translation>
    </message>
    <message>
        <source>95 % high</source>
        <translation>95 % 上限</translation>
    </message>
</context>
<context>
    <name>ResultsWindow</name>
    <message>
        <source>Results</source>
        <translation>結果</translation>
    </message>
    <message>
        <source>Side by side</source>
        <translation>横に並べる</translation>
    </message>
    <message>
        <source>Save the results</source>
        <translation>結果を保存</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV ファイル (*.csv)</translation>
    </message>
    <message>
        <source>PNG picture for a slide, 1920 × 1080 (*.png)</source>
        <translation>スライド用 PNG 画像、1920 × 1080 (*.png)</translation>
    </message>
    <message>
        <source>PNG picture for print, 300 dpi (*.png)</source>
        <translation>印刷用 PNG 画像、300 dpi (*.png)</translation>
    </message>
    <message>
        <source>PNG picture as on the screen (*.png)</source>
        <translation>画面と同じ大きさの PNG 画像 (*.png)</translation>
    </message>
    <message>
        <source>SVG picture, lines and text kept (*.svg)</source>
        <translation>SVG 画像、線と文字をそのまま保持 (*.svg)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>PDF 文書 (*.pdf)</translation>
    </message>
    <message>
        <source>Replace the pictures?</source>
        <translation>画像を置き換えますか?</translation>
    </message>
    <message>
        <source>These files are there already:
%1

Replace them?</source>
        <translation>次のファイルはすでにあります:
%1

置き換えますか?</translation>
    </message>
    <message>
        <source>Export the handout</source>
        <translation>配布資料を書き出す</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>PDF 文書 (*.pdf)</translation>
    </message>
    <message>
        <source>Print the handout</source>
        <translation>配布資料を印刷</translation>
    </message>
    <message>
        <source>Results not saved</source>
        <translation>結果を保存できませんでした</translation>
    </message>
    <message>
        <source>Your name, or your group&apos;s: it names these results when the class is pooled.</source>
        <translation>あなたの名前かグループ名: クラスの結果をまとめるときに、この結果の名前になります。</translation>
    </message>
    <message>
        <source>Add the class&apos;s results</source>
        <translation>クラスの結果を追加</translation>
    </message>
    <message>
        <source>Results files (*.csv);;All files (*)</source>
        <translation>結果ファイル (*.csv);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>Add a tally counted by hand</source>
        <translation>手で数えた集計を追加</translation>
    </message>
    <message>
        <source>&amp;Name or group:</source>
        <translation>名前かグループ(&amp;N):</translation>
    </message>
    <message>
        <source>&amp;Shots per experiment N:</source>
        <translation>1 回の実験の射撃数 N(&amp;S):</translation>
    </message>
    <message>
        <source>&amp;Experiments:</source>
        <translation>実験回数(&amp;E):</translation>
    </message>
    <message>
        <source>S&amp;uccesses (at least one hit):</source>
        <translation>成功回数 (少なくとも 1 回命中)(&amp;U):</translation>
    </message>
    <message>
        <source>Counted by hand</source>
        <translation>手で集計</translation>
    </message>
    <message>
        <source>Save the class</source>
        <translation>クラスを保存</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>まとめ</translation>
    </message>
    <message>
        <source>Your guess at the success rate, in percent from 0 to 100 with at most one decimal, before running</source>
        <translation>実行する前の、成功率についてのあなたの予想。0 から 100 までのパーセントで、小数は 1 桁まで</translation>
    </message>
    <message>
        <source>Not taken: a percent from 0 to 100, with at most one decimal. The prediction stays as it was.</source>
        <translation>受け付けられません: 0 から 100 までのパーセントで、小数は 1 桁までです。予想は前のままです。</translation>
    </message>
    <message>
        <source>Fires %1 experiments at once at the present number of shots</source>
        <translation>今の射撃数で %1 回の実験を一度に行います</translation>
    </message>
    <message>
        <source>at once</source>
        <translation>一度に</translation>
    </message>
    <message>
        <source>watched, faster</source>
        <translation>見ながら、速く</translation>
    </message>
    <message>
        <source>watched, slowly</source>
        <translation>見ながら、ゆっくり</translation>
    </message>
    <message>
        <source>How a run is shown</source>
        <translation>実行の見せ方</translation>
    </message>
    <message>
        <source>At once, or judged in order while the counts and charts grow</source>
        <translation>一度に、または回数とグラフが増えていくのを見ながら順に判定</translation>
    </message>
    <message>
        <source>Sho&amp;wn:</source>
        <translation>表示(&amp;W):</translation>
    </message>
    <message>
        <source>Si&amp;de by side</source>
        <translation>横に並べる(&amp;D)</translation>
    </message>
    <message>
        <source>Puts this window and the main window side by side on the screen</source>
        <translation>このウィンドウとメイン ウィンドウを画面に横に並べます</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>保存(&amp;S)...</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>コピー(&amp;C)</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>閉じる(&amp;L)</translation>
    </message>
    <message>
        <source>Copy picture</source>
        <translation>画像をコピー</translation>
    </message>
    <message>
        <source>Save picture...</source>
        <translation>画像を保存...</translation>
    </message>
    <message>
        <source>Success ra&amp;te</source>
        <translation>成功率(&amp;T)</translation>
    </message>
    <message>
        <source>Successes minus e&amp;xpected</source>
        <translation>成功回数 − 期待値(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Mine</source>
        <translation>自分(&amp;M)</translation>
    </message>
    <message>
        <source>The experiments of this computer</source>
        <translation>このコンピューターの実験</translation>
    </message>
    <message>
        <source>Cl&amp;ass</source>
        <translation>クラス(&amp;A)</translation>
    </message>
    <message>
        <source>The whole class pooled, from every learner&apos;s results file</source>
        <translation>生徒一人ひとりの結果ファイルを合わせたクラス全体</translation>
    </message>
    <message>
        <source>Print handout...</source>
        <translation>配布資料を印刷...</translation>
    </message>
    <message>
        <source>Export handout as PDF...</source>
        <translation>配布資料を PDF で書き出す...</translation>
    </message>
    <message>
        <source>Save all charts...</source>
        <translation>すべてのグラフを保存...</translation>
    </message>
    <message>
        <source>The class&apos;s learners</source>
        <translation>クラスの生徒</translation>
    </message>
    <message>
        <source>Add r&amp;esults...</source>
        <translation>結果を追加(&amp;E)...</translation>
    </message>
    <message>
        <source>Adds the results files saved on the class&apos;s computers (several at once); files can be dropped on the window too</source>
        <translation>クラスのコンピューターで保存した結果ファイルを追加します (一度に複数可)。ファイルはウィンドウにドロップしても追加できます</translation>
    </message>
    <message>
        <source>Add a tall&amp;y...</source>
        <translation>集計を追加(&amp;Y)...</translation>
    </message>
    <message>
        <source>Adds experiments counted by hand, such as a game with ten-sided dice</source>
        <translation>手で数えた実験を追加します (10 面サイコロのゲームなど)</translation>
    </message>
    <message>
        <source>Remo&amp;ve</source>
        <translation>取り除く(&amp;V)</translation>
    </message>
    <message>
        <source>Takes the chosen learners out of the class</source>
        <translation>選んだ生徒をクラスから取り除きます</translation>
    </message>
    <message>
        <source>Save t&amp;he class...</source>
        <translation>クラスを保存(&amp;H)...</translation>
    </message>
    <message>
        <source>Copy class ta&amp;ble</source>
        <translation>クラスの表をコピー(&amp;B)</translation>
    </message>
    <message>
        <source>Reading the class&apos;s results...</source>
        <translation>クラスの結果を読み込んでいます...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Adding results</source>
        <translation>結果の追加</translation>
    </message>
    <message>
        <source>Adding was cancelled: no file was added.</source>
        <translation>追加を取り消しました: ファイルは 1 つも追加されていません。</translation>
    </message>
    <message>
        <source>%1 was not added: %2.</source>
        <translation>%1 は追加されませんでした: %2。</translation>
    </message>
    <message>
        <source>%1 is %2&apos;s run again, saved later: it takes the place of the earlier file.</source>
        <translation>%1 は %2 の同じ実行をあとで保存したものです: 前のファイルと置き換えます。</translation>
    </message>
    <message>
        <source>%1 is %2&apos;s run, already in the class: it counts once.</source>
        <translation>%1 は %2 の実行で、すでにクラスに入っています: 1 回だけ数えます。</translation>
    </message>
    <message>
        <source>1 file added.</source>
        <translation>1 つのファイルを追加しました。</translation>
    </message>
    <message>
        <source>%1 files added.</source>
        <translation>%1 個のファイルを追加しました。</translation>
    </message>
    <message>
        <source>The class could not be saved to %1: %2. Nothing there was changed.</source>
        <translation>クラスを %1 に保存できませんでした: %2。そこにあったものは何も変わっていません。</translation>
    </message>
    <message>
        <source>St&amp;op</source>
        <translation>止める(&amp;O)</translation>
    </message>
    <message>
        <source>Stops the run, finishing the experiment under way</source>
        <translation>実行を止めます (途中の実験は最後まで行います)</translation>
    </message>
    <message>
        <source>Run &amp;100</source>
        <translation>100 回実行(&amp;1)</translation>
    </message>
    <message>
        <source>Run 1,&amp;000</source>
        <translation>1,000 回実行(&amp;0)</translation>
    </message>
    <message>
        <source>&amp;Run 10,000</source>
        <translation>10,000 回実行(&amp;R)</translation>
    </message>
    <message>
        <source>Your &amp;prediction for N = %1:</source>
        <translation>N = %1 での予想(&amp;P):</translation>
    </message>
    <message>
        <source>Your &amp;prediction:</source>
        <translation>予想(&amp;P):</translation>
    </message>
    <message>
        <source>Saving the results to %1...</source>
        <translation>結果を %1 に保存しています...</translation>
    </message>
    <message>
        <source>Saving</source>
        <translation>保存中</translation>
    </message>
    <message>
        <source>The results could not be saved to %1: %2. Nothing there was changed.</source>
        <translation>結果を %1 に保存できませんでした: %2。そこにあったものは何も変わっていません。</translation>
    </message>
    <message>
        <source>Shoot a Lot: %1 experiments at N = %2, %3</source>
        <translation>Shoot a Lot: N = %2 の実験 %1 回、%3</translation>
    </message>
    <message>
        <source>Save the picture</source>
        <translation>画像を保存</translation>
    </message>
    <message>
        <source>Save all charts</source>
        <translation>すべてのグラフを保存</translation>
    </message>
    <message>
        <source>The picture could not be saved to %1: %2. Nothing there was changed.</source>
        <translation>画像を %1 に保存できませんでした: %2。そこにあったものは何も変わっていません。</translation>
    </message>
    <message>
        <source>The handout could not be saved to %1: %2. Nothing there was changed.</source>
        <translation>配布資料を %1 に保存できませんでした: %2。そこにあったものは何も変わっていません。</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>the disk is full</source>
        <translation>ディスクがいっぱいです</translation>
    </message>
    <message>
        <source>the file is larger than this disk or account allows</source>
        <translation>このディスクかアカウントで許される大きさを超えています</translation>
    </message>
    <message>
        <source>the name is too long</source>
        <translation>名前が長すぎます</translation>
    </message>
    <message>
        <source>you may not write there</source>
        <translation>そこに書き込む権限がありません</translation>
    </message>
    <message>
        <source>the disk can only be read</source>
        <translation>ディスクは読み取り専用です</translation>
    </message>
    <message>
        <source>the folder does not exist</source>
        <translation>フォルダーがありません</translation>
    </message>
    <message>
        <source>a folder has that name</source>
        <translation>その名前のフォルダーがあります</translation>
    </message>
    <message>
        <source>the disk could not be written</source>
        <translation>ディスクに書き込めませんでした</translation>
    </message>
    <message>
        <source>the file could not be written</source>
        <translation>ファイルを書き込めませんでした</translation>
    </message>
</context>
</TS>
