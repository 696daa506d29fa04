<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>Announcements</name>
    <message>
        <source>Shot %1: hit.</source>
        <translation>第 %1 发：命中。</translation>
    </message>
    <message>
        <source>Shot %1: miss.</source>
        <translation>第 %1 发：未中。</translation>
    </message>
    <message>
        <source>%1. Success rate %2.</source>
        <translation>%1。成功率 %2。</translation>
    </message>
    <message>
        <source>Ready: %1 shots per experiment. Firing fires one shot, AutoStart fires them automatically.</source>
        <translation>就绪：每次试验 %1 发。Firing 射击一发，AutoStart 自动射击。</translation>
    </message>
    <message>
        <source>Automatic firing. Only AutoStop can be used.</source>
        <translation>自动射击中。只能使用 AutoStop。</translation>
    </message>
    <message>
        <source>Automatic firing stopped.</source>
        <translation>自动射击已停止。</translation>
    </message>
    <message>
        <source>Shot %1 of %2, %3 hit(s) in this experiment.</source>
        <translation>第 %1 发，共 %2 发，本次试验命中 %3 次。</translation>
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
        <translation>还没有班级数据：请添加班上各台电脑的结果文件（添加结果...），或添加手工计数。</translation>
    </message>
    <message>
        <source>The class, pooled: 1 learner, %1 experiments at N = %2 with %3 successes, a success rate of %4.</source>
        <translation>全班汇总：1 名学生，N = %2 的试验 %1 次，成功 %3 次，成功率 %4。</translation>
    </message>
    <message>
        <source>The class, pooled: %1 learners, %2 experiments at N = %3 with %4 successes, a success rate of %5.</source>
        <translation>全班汇总：%1 名学生，N = %3 的试验 %2 次，成功 %4 次，成功率 %5。</translation>
    </message>
    <message>
        <source>That is within 2 standard errors (%1 points) of the theory, %2.</source>
        <translation>与理论值 %2 相差在 2 个标准误差（%1 个百分点）以内。</translation>
    </message>
    <message>
        <source>That is further than 2 standard errors (%1 points) from the theory, %2.</source>
        <translation>与理论值 %2 相差超过 2 个标准误差（%1 个百分点）。</translation>
    </message>
    <message>
        <source>%1 of the %2 learners&apos; own rates lie within 2 standard errors of the theory; about 95 % should.</source>
        <translation>%2 名学生中有 %1 名的成功率与理论值相差在 2 个标准误差以内；应约有 95%。</translation>
    </message>
    <message>
        <source>%1 more at other numbers of shots count in the chart across N.</source>
        <translation>另有 %1 份其他射击次数的数据计入按 N 的图表。</translation>
    </message>
    <message>
        <source>%1 (counted by hand): %2 successes in %3 experiments at N = %4, %5</source>
        <translation>%1（手工计数）：N = %4 的 %3 次试验中成功 %2 次，%5</translation>
    </message>
    <message>
        <source>%1: %2 successes in %3 experiments at N = %4, %5</source>
        <translation>%1：N = %4 的 %3 次试验中成功 %2 次，%5</translation>
    </message>
</context>
<context>
    <name>ClassTableModel</name>
    <message>
        <source>counted by hand</source>
        <translation>手工计数</translation>
    </message>
    <message>
        <source>Learner</source>
        <translation>学生</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>Experiments</source>
        <translation>试验次数</translation>
    </message>
    <message>
        <source>Successes</source>
        <translation>成功次数</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>成功率</translation>
    </message>
    <message>
        <source>From</source>
        <translation>来源</translation>
    </message>
</context>
<context>
    <name>ControlRole</name>
    <message>
        <source>plays the sound cues</source>
        <translation>播放提示音</translation>
    </message>
    <message>
        <source>Target plot</source>
        <translation>靶子</translation>
    </message>
    <message>
        <source>returns to the main window</source>
        <translation>返回主窗口</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>帮助文字</translation>
    </message>
</context>
<context>
    <name>FormWindow</name>
    <message>
        <source>Zoom In</source>
        <translation>放大</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>缩小</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>实际大小</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>全屏</translation>
    </message>
</context>
<context>
    <name>Handout</name>
    <message>
        <source>The class pooled: %1 experiments at N = %2, %3</source>
        <translation>全班汇总：N = %2 的试验 %1 次，%3</translation>
    </message>
    <message>
        <source>%1 experiments at N = %2, %3</source>
        <translation>N = %2 的试验 %1 次，%3</translation>
    </message>
    <message>
        <source>Even those who shoot bad guns will hit it if they shoot a lot</source>
        <translation>枪法再差，多打几枪也能打中</translation>
    </message>
</context>
<context>
    <name>MissGridView</name>
    <message>
        <source>The last 100 experiments</source>
        <translation>最近 100 次试验</translation>
    </message>
    <message>
        <source>every shot missed</source>
        <translation>全部未中</translation>
    </message>
</context>
<context>
    <name>PredictionField</name>
    <message>
        <source>none</source>
        <translation>无</translation>
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
        <translation>理论值 ± 2 个标准误差</translation>
    </message>
    <message>
        <source>Success rate as the experiments add up (N = %1)</source>
        <translation>随试验次数增加的成功率（N = %1）</translation>
    </message>
    <message>
        <source>Success rate as the experiments add up</source>
        <translation>随试验次数增加的成功率</translation>
    </message>
    <message>
        <source>experiments (log scale)</source>
        <translation>试验次数（对数刻度）</translation>
    </message>
    <message>
        <source>success rate</source>
        <translation>成功率</translation>
    </message>
    <message>
        <source>your prediction</source>
        <translation>你的预测</translation>
    </message>
    <message>
        <source>naive guess N × 10 %</source>
        <translation>朴素猜测 N × 10%</translation>
    </message>
    <message>
        <source>theory 1 − 0.9^N</source>
        <translation>理论值 1 − 0.9^N</translation>
    </message>
    <message>
        <source>experiments</source>
        <translation>试验</translation>
    </message>
    <message>
        <source>Successes minus the successes expected (N = %1)</source>
        <translation>成功次数减去期望成功次数（N = %1）</translation>
    </message>
    <message>
        <source>Successes minus the successes expected</source>
        <translation>成功次数减去期望成功次数</translation>
    </message>
    <message>
        <source>successes − expected</source>
        <translation>成功次数 − 期望值</translation>
    </message>
    <message>
        <source>± 2 standard deviations</source>
        <translation>± 2 个标准差</translation>
    </message>
    <message>
        <source>as expected: n × (1 − 0.9^N)</source>
        <translation>期望值：n × (1 − 0.9^N)</translation>
    </message>
    <message>
        <source>Hits per experiment</source>
        <translation>每次试验的命中数</translation>
    </message>
    <message>
        <source>hits in an experiment</source>
        <translation>一次试验中的命中数</translation>
    </message>
    <message>
        <source>expected (binomial, 1 in 10)</source>
        <translation>期望值（二项分布，十发一中）</translation>
    </message>
    <message>
        <source>0 hits: %1, expected 0.9^%2 = %3</source>
        <translation>命中 0 次：%1，期望值 0.9^%2 = %3</translation>
    </message>
    <message>
        <source>At least one hit, against N</source>
        <translation>至少命中一次的概率与 N</translation>
    </message>
    <message>
        <source>shots per experiment N</source>
        <translation>每次试验的射击次数 N</translation>
    </message>
    <message>
        <source>chance of success</source>
        <translation>成功概率</translation>
    </message>
    <message>
        <source>your predictions</source>
        <translation>你的预测</translation>
    </message>
    <message>
        <source>experiments, with 95 % intervals</source>
        <translation>试验（含 95% 区间）</translation>
    </message>
    <message>
        <source>Each learner&apos;s success rate (N = %1)</source>
        <translation>每名学生的成功率（N = %1）</translation>
    </message>
    <message>
        <source>Each learner&apos;s success rate</source>
        <translation>每名学生的成功率</translation>
    </message>
    <message>
        <source>learners</source>
        <translation>学生</translation>
    </message>
    <message>
        <source>counted by hand</source>
        <translation>手工计数</translation>
    </message>
    <message>
        <source>the class pooled, with 95 % interval</source>
        <translation>全班汇总（含 95% 区间）</translation>
    </message>
    <message>
        <source>The class pooled: %1 successes in %2 experiments, %3</source>
        <translation>全班汇总：%2 次试验中成功 %1 次，%3</translation>
    </message>
</context>
<context>
    <name>ResultsFile</name>
    <message>
        <source>it is not a results file of Shoot a Lot (its first line should name the columns experiment, shots, hits, verdict and success_rate)</source>
        <translation>它不是 Shoot a Lot 的结果文件（第一行应列出 experiment、shots、hits、verdict 和 success_rate 各列）</translation>
    </message>
    <message>
        <source>line %1 is cut short</source>
        <translation>第 %1 行不完整</translation>
    </message>
    <message>
        <source>line %1: the experiment number &quot;%2&quot; is not a whole number</source>
        <translation>第 %1 行：试验编号“%2”不是整数</translation>
    </message>
    <message>
        <source>line %1: experiment %2 where experiment %3 should come (were rows sorted, deleted or added?)</source>
        <translation>第 %1 行：应为试验 %3，却是试验 %2（是否对行做了排序、删除或添加？）</translation>
    </message>
    <message>
        <source>line %1: &quot;%2&quot; shots an experiment, where the program fires 5 to 50</source>
        <translation>第 %1 行：每次试验射击“%2”次，而本程序射击 5 到 50 次</translation>
    </message>
    <message>
        <source>line %1: %2 shots an experiment, where the file&apos;s first experiment had %3</source>
        <translation>第 %1 行：每次试验射击 %2 次，而文件中第一次试验为 %3 次</translation>
    </message>
    <message>
        <source>line %1: &quot;%2&quot; hits in an experiment of %3 shots</source>
        <translation>第 %1 行：%3 发的试验中命中“%2”次</translation>
    </message>
    <message>
        <source>line %1: the verdict &quot;%2&quot; does not follow from %3 hits</source>
        <translation>第 %1 行：判定“%2”与命中 %3 次不符</translation>
    </message>
    <message>
        <source>line %1: the success rate &quot;%2&quot; is not what the verdicts so far give (%3)</source>
        <translation>第 %1 行：成功率“%2”与此前判定得出的值（%3）不符</translation>
    </message>
    <message>
        <source>line %1 is another learner&apos;s (%2, after %3): add each learner&apos;s own file</source>
        <translation>第 %1 行属于另一名学生（%3 之后出现 %2）：请分别添加每名学生自己的文件</translation>
    </message>
    <message>
        <source>none named</source>
        <translation>未命名</translation>
    </message>
    <message>
        <source>a quoted field from line %1 on is never closed</source>
        <translation>从第 %1 行开始的带引号字段没有结束</translation>
    </message>
    <message>
        <source>it holds no experiments</source>
        <translation>其中没有任何试验</translation>
    </message>
    <message>
        <source>it is not there (was it moved or the stick taken out?)</source>
        <translation>找不到（是否已被移动，或 U 盘已拔出？）</translation>
    </message>
    <message>
        <source>you may not read it</source>
        <translation>你没有读取它的权限</translation>
    </message>
    <message>
        <source>the disk could not be read</source>
        <translation>无法读取磁盘</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>它是文件夹，不是文件</translation>
    </message>
    <message>
        <source>it is not a plain file (a pipe or a device)</source>
        <translation>它不是普通文件（管道或设备）</translation>
    </message>
    <message>
        <source>it is larger than a results file can be (over %1 MB)</source>
        <translation>它比结果文件可能的大小还大（超过 %1 MB）</translation>
    </message>
    <message>
        <source>it could not be read: %1</source>
        <translation>无法读取：%1</translation>
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
        <translation>还没有试验：尚未选择射击次数。</translation>
    </message>
    <message>
        <source>No experiment judged yet at N = %1.</source>
        <translation>N = %1 时尚无已判定的试验。</translation>
    </message>
    <message>
        <source>After 1 experiment at N = %1:</source>
        <translation>N = %1 时试验 1 次后：</translation>
    </message>
    <message>
        <source>After %1 experiments at N = %2:</source>
        <translation>N = %2 时试验 %1 次后：</translation>
    </message>
    <message>
        <source>1 success, a success rate of %1.</source>
        <translation>成功 1 次，成功率 %1。</translation>
    </message>
    <message>
        <source>%1 successes, a success rate of %2.</source>
        <translation>成功 %1 次，成功率 %2。</translation>
    </message>
    <message>
        <source>That is within 2 standard errors (%1 points) of the theory.</source>
        <translation>与理论值相差在 2 个标准误差（%1 个百分点）以内。</translation>
    </message>
    <message>
        <source>That is further than 2 standard errors (%1 points) from the theory.</source>
        <translation>与理论值相差超过 2 个标准误差（%1 个百分点）。</translation>
    </message>
    <message>
        <source>Theory: 1 - 0.9^%1 = %2. Naive guess: N x 10 % = %3.</source>
        <translation>理论值：1 - 0.9^%1 = %2。朴素猜测：N x 10% = %3。</translation>
    </message>
    <message>
        <source>Your prediction: %1.</source>
        <translation>你的预测：%1。</translation>
    </message>
    <message>
        <source>Your prediction, %1, matches the experiments.</source>
        <translation>你的预测 %1 与试验结果一致。</translation>
    </message>
    <message>
        <source>Your prediction, %1, is %2 points higher than the experiments.</source>
        <translation>你的预测 %1 比试验结果高 %2 个百分点。</translation>
    </message>
    <message>
        <source>Your prediction, %1, is %2 points lower than the experiments.</source>
        <translation>你的预测 %1 比试验结果低 %2 个百分点。</translation>
    </message>
    <message>
        <source>Theory %1, naive guess %2.</source>
        <translation>理论值 %1，朴素猜测 %2。</translation>
    </message>
    <message>
        <source>Success rate after %1 experiments: %2. The band of 2 standard errors runs from %3 to %4.</source>
        <translation>试验 %1 次后的成功率：%2。2 个标准误差的范围从 %3 到 %4。</translation>
    </message>
    <message>
        <source>after %1: %2</source>
        <translation>%1 次后：%2</translation>
    </message>
    <message>
        <source>Along the way, %1.</source>
        <translation>过程中：%1。</translation>
    </message>
    <message>
        <source>Your prediction %1.</source>
        <translation>你的预测 %1。</translation>
    </message>
    <message>
        <source>Successes minus the successes expected at N = %1: no experiment judged yet.</source>
        <translation>N = %1 时成功次数减去期望成功次数：尚无已判定的试验。</translation>
    </message>
    <message>
        <source>After %1 experiments at N = %2: %3 successes, %4 expected (%1 × %5); successes minus expected %6, the band of 2 standard deviations running from −%7 to +%7.</source>
        <translation>N = %2 时试验 %1 次后：成功 %3 次，期望 %4 次（%1 × %5）；成功次数减去期望值为 %6，2 个标准差的范围从 −%7 到 +%7。</translation>
    </message>
    <message>
        <source>The last 100 experiments: none judged yet; theory: 100 × 0.9^%1 = %2 of 100 would miss every shot.</source>
        <translation>最近 100 次试验：尚无判定；理论值：100 次中有 100 × 0.9^%1 = %2 次会全部未中。</translation>
    </message>
    <message>
        <source>The last 100 experiments: none judged yet.</source>
        <translation>最近 100 次试验：尚无判定。</translation>
    </message>
    <message>
        <source>%1 of the first %2 experiments missed every shot; theory: 100 × 0.9^%3 = %4 in 100.</source>
        <translation>前 %2 次试验中有 %1 次全部未中；理论值：100 次中 100 × 0.9^%3 = %4 次。</translation>
    </message>
    <message>
        <source>%1 of the last 100 experiments missed every shot; theory: 100 × 0.9^%2 = %3.</source>
        <translation>最近 100 次试验中有 %1 次全部未中；理论值：100 × 0.9^%2 = %3。</translation>
    </message>
    <message>
        <source>The rate settles on the theory while successes minus expected wanders ever wider: the difference grows like the square root of n, and n grows faster, so the counts never even out though the rate does.</source>
        <translation>成功率逐渐稳定在理论值上，而成功次数减去期望值却越摆越大：差值按 n 的平方根增长，而 n 增长得更快，所以尽管成功率趋于一致，次数却永远不会扯平。</translation>
    </message>
    <message>
        <source>Hits per experiment at N = %1: no experiment judged yet; the failures will be those with 0 hits (expected share 0.9^%1 = %2).</source>
        <translation>N = %1 时每次试验的命中数：尚无已判定的试验；失败即命中 0 次的试验（期望比例 0.9^%1 = %2）。</translation>
    </message>
    <message>
        <source>1 hit</source>
        <translation>命中 1 次</translation>
    </message>
    <message>
        <source>%1 hits</source>
        <translation>命中 %1 次</translation>
    </message>
    <message>
        <source>%1: %2, expected %3</source>
        <translation>%1：%2，期望值 %3</translation>
    </message>
    <message>
        <source>Hits per experiment in %1 experiments at N = %2, the failures being those with 0 hits (expected share 0.9^%2 = %3): %4.</source>
        <translation>N = %2 的 %1 次试验中每次试验的命中数，失败即命中 0 次的试验（期望比例 0.9^%2 = %3）：%4。</translation>
    </message>
    <message>
        <source>N = %1: %2 in %3 experiments (95 % interval %4 to %5), theory %6</source>
        <translation>N = %1：%3 次试验中 %2（95% 区间 %4 到 %5），理论值 %6</translation>
    </message>
    <message>
        <source>No N tried yet. The theory rises from %1 at N = 5 to %2 at N = 50.</source>
        <translation>还没有试过任何 N。理论值从 N = 5 时的 %1 升到 N = 50 时的 %2。</translation>
    </message>
    <message>
        <source>Chance of at least one hit against N. %1.</source>
        <translation>至少命中一次的概率与 N。%1。</translation>
    </message>
    <message>
        <source>Shoot a Lot results</source>
        <translation>Shoot a Lot 结果</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>experiments</source>
        <translation>试验次数</translation>
    </message>
    <message>
        <source>successes</source>
        <translation>成功次数</translation>
    </message>
    <message>
        <source>success rate</source>
        <translation>成功率</translation>
    </message>
    <message>
        <source>theory</source>
        <translation>理论值</translation>
    </message>
    <message>
        <source>2 standard errors</source>
        <translation>2 个标准误差</translation>
    </message>
    <message>
        <source>naive guess</source>
        <translation>朴素猜测</translation>
    </message>
    <message>
        <source>prediction</source>
        <translation>预测</translation>
    </message>
    <message>
        <source>hits</source>
        <translation>命中数</translation>
    </message>
    <message>
        <source>expected</source>
        <translation>期望值</translation>
    </message>
    <message>
        <source>95 % low</source>
        <translation>95% 下限</translation>
    </message>
    <message>
        <source>95 % high</source>
        <translation>95% 上限</translation>
    </message>
</context>
<context>
    <name>ResultsWindow</name>
    <message>
        <source>Results</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>Side by side</source>
        <translation>并排显示</translation>
    </message>
    <message>
        <source>Save the results</source>
        <translation>保存结果</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV 文件 (*.csv)</translation>
    </message>
    <message>
        <source>PNG picture for a slide, 1920 × 1080 (*.png)</source>
        <translation>幻灯片用 PNG 图片，1920 × 1080 (*.png)</translation>
    </message>
    <message>
        <source>PNG picture for print, 300 dpi (*.png)</source>
        <translation>打印用 PNG 图片，300 dpi (*.png)</translation>
    </message>
    <message>
        <source>PNG picture as on the screen (*.png)</source>
        <translation>与屏幕相同的 PNG 图片 (*.png)</translation>
    </message>
    <message>
        <source>SVG picture, lines and text kept (*.svg)</source>
        <translation>SVG 图片，保留线条和文字 (*.svg)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>PDF 文档 (*.pdf)</translation>
    </message>
    <message>
        <source>Replace the pictures?</source>
        <translation>替换图片吗？</translation>
    </message>
    <message>
        <source>These files are there already:
%1

Replace them?</source>
        <translation>这些文件已经存在：
%1

要替换吗？</translation>
    </message>
    <message>
        <source>Export the handout</source>
        <translation>导出讲义</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>PDF 文档 (*.pdf)</translation>
    </message>
    <message>
        <source>Print the handout</source>
        <translation>打印讲义</translation>
    </message>
    <message>
        <source>Results not saved</source>
        <translation>结果未保存</translation>
    </message>
    <message>
        <source>Your name, or your group&apos;s: it names these results when the class is pooled.</source>
        <translation>你的名字或小组名：汇总全班结果时用作这些结果的名称。</translation>
    </message>
    <message>
        <source>Add the class&apos;s results</source>
        <translation>添加班级结果</translation>
    </message>
    <message>
        <source>Results files (*.csv);;All files (*)</source>
        <translation>结果文件 (*.csv);;所有文件 (*)</translation>
    </message>
    <message>
        <source>Add a tally counted by hand</source>
        <translation>添加手工计数</translation>
    </message>
    <message>
        <source>&amp;Name or group:</source>
        <translation>名字或小组(&amp;N)：</translation>
    </message>
    <message>
        <source>&amp;Shots per experiment N:</source>
        <translation>每次试验的射击次数 N(&amp;S)：</translation>
    </message>
    <message>
        <source>&amp;Experiments:</source>
        <translation>试验次数(&amp;E)：</translation>
    </message>
    <message>
        <source>S&amp;uccesses (at least one hit):</source>
        <translation>成功次数（至少命中一次）(&amp;U)：</translation>
    </message>
    <message>
        <source>Counted by hand</source>
        <translation>手工计数</translation>
    </message>
    <message>
        <source>Save the class</source>
        <translation>保存班级</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>摘要</translation>
    </message>
    <message>
        <source>Your guess at the success rate, in percent from 0 to 100 with at most one decimal, before running</source>
        <translation>运行之前你对成功率的猜测，以 0 到 100 的百分数表示，最多一位小数</translation>
    </message>
    <message>
        <source>Not taken: a percent from 0 to 100, with at most one decimal. The prediction stays as it was.</source>
        <translation>未接受：应为 0 到 100 的百分数，最多一位小数。预测保持不变。</translation>
    </message>
    <message>
        <source>Fires %1 experiments at once at the present number of shots</source>
        <translation>以当前射击次数一次进行 %1 次试验</translation>
    </message>
    <message>
        <source>at once</source>
        <translation>一次完成</translation>
    </message>
    <message>
        <source>watched, faster</source>
        <translation>边看边做，较快</translation>
    </message>
    <message>
        <source>watched, slowly</source>
        <translation>边看边做，较慢</translation>
    </message>
    <message>
        <source>How a run is shown</source>
        <translation>运行的显示方式</translation>
    </message>
    <message>
        <source>At once, or judged in order while the counts and charts grow</source>
        <translation>一次完成，或在计数和图表增长时逐一判定</translation>
    </message>
    <message>
        <source>Sho&amp;wn:</source>
        <translation>显示(&amp;W)：</translation>
    </message>
    <message>
        <source>Si&amp;de by side</source>
        <translation>并排(&amp;D)</translation>
    </message>
    <message>
        <source>Puts this window and the main window side by side on the screen</source>
        <translation>将本窗口与主窗口在屏幕上并排放置</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>保存(&amp;S)...</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>复制(&amp;C)</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>关闭(&amp;L)</translation>
    </message>
    <message>
        <source>Copy picture</source>
        <translation>复制图片</translation>
    </message>
    <message>
        <source>Save picture...</source>
        <translation>保存图片...</translation>
    </message>
    <message>
        <source>Success ra&amp;te</source>
        <translation>成功率(&amp;T)</translation>
    </message>
    <message>
        <source>Successes minus e&amp;xpected</source>
        <translation>成功次数减期望值(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Mine</source>
        <translation>我的(&amp;M)</translation>
    </message>
    <message>
        <source>The experiments of this computer</source>
        <translation>本电脑上的试验</translation>
    </message>
    <message>
        <source>Cl&amp;ass</source>
        <translation>班级(&amp;A)</translation>
    </message>
    <message>
        <source>The whole class pooled, from every learner&apos;s results file</source>
        <translation>汇总每名学生的结果文件后的全班数据</translation>
    </message>
    <message>
        <source>Print handout...</source>
        <translation>打印讲义...</translation>
    </message>
    <message>
        <source>Export handout as PDF...</source>
        <translation>将讲义导出为 PDF...</translation>
    </message>
    <message>
        <source>Save all charts...</source>
        <translation>保存所有图表...</translation>
    </message>
    <message>
        <source>The class&apos;s learners</source>
        <translation>班级中的学生</translation>
    </message>
    <message>
        <source>Add r&amp;esults...</source>
        <translation>添加结果(&amp;E)...</translation>
    </message>
    <message>
        <source>Adds the results files saved on the class&apos;s computers (several at once); files can be dropped on the window too</source>
        <translation>添加在班上各台电脑上保存的结果文件（可一次多个）；也可以把文件拖放到窗口上</translation>
    </message>
    <message>
        <source>Add a tall&amp;y...</source>
        <translation>添加计数(&amp;Y)...</translation>
    </message>
    <message>
        <source>Adds experiments counted by hand, such as a game with ten-sided dice</source>
        <translation>添加手工计数的试验，例如用十面骰子做的游戏</translation>
    </message>
    <message>
        <source>Remo&amp;ve</source>
        <translation>移除(&amp;V)</translation>
    </message>
    <message>
        <source>Takes the chosen learners out of the class</source>
        <translation>将选中的学生从班级中移除</translation>
    </message>
    <message>
        <source>Save t&amp;he class...</source>
        <translation>保存班级(&amp;H)...</translation>
    </message>
    <message>
        <source>Copy class ta&amp;ble</source>
        <translation>复制班级表格(&amp;B)</translation>
    </message>
    <message>
        <source>Reading the class&apos;s results...</source>
        <translation>正在读取班级结果...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Adding results</source>
        <translation>添加结果</translation>
    </message>
    <message>
        <source>Adding was cancelled: no file was added.</source>
        <translation>已取消添加：没有添加任何文件。</translation>
    </message>
    <message>
        <source>%1 was not added: %2.</source>
        <translation>%1 未被添加：%2。</translation>
    </message>
    <message>
        <source>%1 is %2&apos;s run again, saved later: it takes the place of the earlier file.</source>
        <translation>%1 是 %2 同一次运行稍后保存的文件：它取代先前的文件。</translation>
    </message>
    <message>
        <source>%1 is %2&apos;s run, already in the class: it counts once.</source>
        <translation>%1 是 %2 的运行，已在班级中：只计一次。</translation>
    </message>
    <message>
        <source>1 file added.</source>
        <translation>已添加 1 个文件。</translation>
    </message>
    <message>
        <source>%1 files added.</source>
        <translation>已添加 %1 个文件。</translation>
    </message>
    <message>
        <source>The class could not be saved to %1: %2. Nothing there was changed.</source>
        <translation>无法将班级保存到 %1：%2。那里的内容没有任何改动。</translation>
    </message>
    <message>
        <source>St&amp;op</source>
        <translation>停止(&amp;O)</translation>
    </message>
    <message>
        <source>Stops the run, finishing the experiment under way</source>
        <translation>停止运行，并完成正在进行的试验</translation>
    </message>
    <message>
        <source>Run &amp;100</source>
        <translation>运行 100 次(&amp;1)</translation>
    </message>
    <message>
        <source>Run 1,&amp;000</source>
        <translation>运行 1,000 次(&amp;0)</translation>
    </message>
    <message>
        <source>&amp;Run 10,000</source>
        <translation>运行 10,000 次(&amp;R)</translation>
    </message>
    <message>
        <source>Your &amp;prediction for N = %1:</source>
        <translation>N = %1 时的预测(&amp;P)：</translation>
    </message>
    <message>
        <source>Your &amp;prediction:</source>
        <translation>预测(&amp;P)：</translation>
    </message>
    <message>
        <source>Saving the results to %1...</source>
        <translation>正在将结果保存到 %1...</translation>
    </message>
    <message>
        <source>Saving</source>
        <translation>正在保存</translation>
    </message>
    <message>
        <source>The results could not be saved to %1: %2. Nothing there was changed.</source>
        <translation>无法将结果保存到 %1：%2。那里的内容没有任何改动。</translation>
    </message>
    <message>
        <source>Shoot a Lot: %1 experiments at N = %2, %3</source>
        <translation>Shoot a Lot：N = %2 的试验 %1 次，%3</translation>
    </message>
    <message>
        <source>Save the picture</source>
        <translation>保存图片</translation>
    </message>
    <message>
        <source>Save all charts</source>
        <translation>保存所有图表</translation>
    </message>
    <message>
        <source>The picture could not be saved to %1: %2. Nothing there was changed.</source>
        <translation>无法将图片保存到 %1：%2。那里的内容没有任何改动。</translation>
    </message>
    <message>
        <source>The handout could not be saved to %1: %2. Nothing there was changed.</source>
        <translation>无法将讲义保存到 %1：%2。那里的内容没有任何改动。</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>the disk is full</source>
        <translation>磁盘已满</translation>
    </message>
    <message>
        <source>the file is larger than this disk or account allows</source>
        <translation>文件大于此磁盘或账户允许的大小</translation>
    </message>
    <message>
        <source>the name is too long</source>
        <translation>名称太长</translation>
    </message>
    <message>
        <source>you may not write there</source>
        <translation>你没有在那里写入的权限</translation>
    </message>
    <message>
        <source>the disk can only be read</source>
        <translation>磁盘为只读</translation>
    </message>
    <message>
        <source>the folder does not exist</source>
        <translation>文件夹不存在</translation>
    </message>
    <message>
        <source>a folder has that name</source>
        <translation>已有同名文件夹</translation>
    </message>
    <message>
        <source>the disk could not be written</source>
        <translation>无法写入磁盘</translation>
    </message>
    <message>
        <source>the file could not be written</source>
        <translation>无法写入文件</translation>
    </message>
</context>
</TS>
