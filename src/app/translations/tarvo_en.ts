<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>Said</name>
    <message>
        <source>保存修改</source>
        <translation>Save changes</translation>
    </message>
    <message>
        <source>程序已修改，是否保存？</source>
        <translation>The program has been changed. Save it?</translation>
    </message>
    <message>
        <source>新文件</source>
        <translation>New file</translation>
    </message>
    <message>
        <source>NC代码 (*.nc);;所有文件 (*.*)</source>
        <translation>NC programs (*.nc);;All files (*.*)</translation>
    </message>
    <message>
        <source>保存失败</source>
        <translation>Save failed</translation>
    </message>
    <message>
        <source>无法保存文件：%1</source>
        <translation>Cannot save the file: %1</translation>
    </message>
    <message>
        <source>记录的切削轨迹已满1 GB：运行继续，放大图此后只保留部分步点</source>
        <translation>The recorded cut has filled 1 GB: the run goes on, and the magnified view keeps only some step points from now on</translation>
    </message>
    <message>
        <source>%1C：</source>
        <translation>%1C:</translation>
    </message>
    <message>
        <source>%1：</source>
        <translation>%1:</translation>
    </message>
    <message>
        <source>%1轴脉冲</source>
        <translation>%1 pulse</translation>
    </message>
    <message>
        <source>%1轴方向</source>
        <translation>%1 direction</translation>
    </message>
    <message>
        <source>找不到文件</source>
        <translation>file not found</translation>
    </message>
    <message>
        <source>不是普通文件</source>
        <translation>not a regular file</translation>
    </message>
    <message>
        <source>无法读取</source>
        <translation>cannot be read</translation>
    </message>
    <message>
        <source>选择学生的练习答案</source>
        <translation>Choose the students&apos; exercise answers</translation>
    </message>
    <message>
        <source>CSV 文件 (*.csv);;所有文件 (*)</source>
        <translation>CSV files (*.csv);;All files (*)</translation>
    </message>
    <message>
        <source>导出班级成绩</source>
        <translation>Export the class&apos;s scores</translation>
    </message>
    <message>
        <source>CSV 文件 (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>导出各步错答</source>
        <translation>Export the wrong answers of each step</translation>
    </message>
    <message>
        <source>导出班级汇总网页</source>
        <translation>Export the class summary as a web page</translation>
    </message>
    <message>
        <source>网页 (*.html)</source>
        <translation>Web pages (*.html)</translation>
    </message>
    <message>
        <source>选择或拖入学生导出的练习答案（CSV 文件）。</source>
        <translation>Choose or drop the exercise answers the students exported (CSV files).</translation>
    </message>
    <message>
        <source>练习码 %1：%2</source>
        <translation>Code %1: %2</translation>
    </message>
    <message>
        <source>%1：%2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>下一题(&amp;D)</source>
        <translation>Next exercise (&amp;D)</translation>
    </message>
    <message>
        <source>%1（Alt+%2）</source>
        <translation>%1 (Alt+%2)</translation>
    </message>
    <message>
        <source>看成绩(&amp;D)</source>
        <translation>See the score (&amp;D)</translation>
    </message>
    <message>
        <source>导出练习成绩</source>
        <translation>Export the exercise answers</translation>
    </message>
    <message>
        <source>导出练习网页</source>
        <translation>Export the exercise report</translation>
    </message>
    <message>
        <source>题</source>
        <translation>Exercise</translation>
    </message>
    <message>
        <source>步</source>
        <translation>Step</translation>
    </message>
    <message>
        <source>答项</source>
        <translation>Item</translation>
    </message>
    <message>
        <source>作答</source>
        <translation>Answer</translation>
    </message>
    <message>
        <source>应为</source>
        <translation>Expected</translation>
    </message>
    <message>
        <source>说明</source>
        <translation>Explanation</translation>
    </message>
    <message>
        <source>导出 CSV(&amp;C)...</source>
        <translation>Export &amp;CSV...</translation>
    </message>
    <message>
        <source>导出网页(&amp;H)...</source>
        <translation>Export web &amp;page...</translation>
    </message>
    <message>
        <source>合成进给（脉冲/次）</source>
        <translation>Resultant feed (pulses per iteration)</translation>
    </message>
    <message>
        <source>%1 平均 %2    </source>
        <translation>%1 mean %2    </translation>
    </message>
    <message>
        <source>迭代 %1</source>
        <translation>iteration %1</translation>
    </message>
    <message>
        <source>方法对比</source>
        <translation>Method comparison</translation>
    </message>
    <message>
        <source>对比</source>
        <translation>Compare</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>合成进给是一次迭代进给矢量的长度：逐点比较法每次只走一个轴，为 1；数字积分法一次可同走两轴（√2），也可一轴不走（0），所以它的速度随运动方向而变。偏差是步点到理想轨迹的距离。合计和图只算插补的程序段（G01～G03）；快速移动（G00）单列在表中，不计入合计。</source>
        <translation>The resultant feed is the length of an iteration&apos;s feed vector: point-by-point comparison moves one axis at a time, 1; DDA may move two axes at once (√2) or none (0), so its speed changes with the direction of the move. The deviation is the distance of a step point from the ideal path. The sums and the plots count only the moves that interpolate (G01 to G03); rapids (G00) are listed apart in the table and left out of the sums.</translation>
    </message>
    <message>
        <source>半加载</source>
        <translation>Half preload</translation>
    </message>
    <message>
        <source>%1（%2 或 Alt+%2）</source>
        <translation>%1 (%2 or Alt+%2)</translation>
    </message>
    <message>
        <source>JRx 溢出(&amp;X)</source>
        <translation>JRx overflow (&amp;X)</translation>
    </message>
    <message>
        <source>JRy 溢出(&amp;Y)</source>
        <translation>JRy overflow (&amp;Y)</translation>
    </message>
    <message>
        <source>提交</source>
        <translation>Submit</translation>
    </message>
    <message>
        <source>X、Y 勾选溢出的寄存器，回车提交</source>
        <translation>X and Y tick the registers that overflow, Enter submits</translation>
    </message>
    <message>
        <source>理想轨迹</source>
        <translation>Ideal path</translation>
    </message>
    <message>
        <source>机床寄存器</source>
        <translation>Machine registers</translation>
    </message>
    <message>
        <source>列出机床的原始寄存器（余数毫米，坐标 0.1 毫米，偏差 0.01 平方毫米）</source>
        <translation>List the machine&apos;s raw registers (remainders in mm, coordinates in 0.1 mm, deviation in 0.01 mm²)</translation>
    </message>
    <message>
        <source>导出CSV...</source>
        <translation>Export CSV...</translation>
    </message>
    <message>
        <source>8888|88888|逐点比较|jrx=14.5 jry=14.5 jrz=0|jrx jry jrz ≥ 128|+X +Y +Z|jrx=14.5 jry=14.5 jrz=0|-1000.5|-1000.5|-1000.5|1000.00</source>
        <translation>8888|88888|comparison|jrx=14.5 jry=14.5 jrz=0|jrx jry jrz ≥ 128|+X +Y +Z|jrx=14.5 jry=14.5 jrz=0|-1000.5|-1000.5|-1000.5|1000.00</translation>
    </message>
    <message>
        <source>8888|88888|F = −888 ≥ 0, SR1/JRx、JRy、JRz 溢出|+X+Y|JRx = 14.5 + 14.5 = 29 ≥ 16 → ΔX, 余 13|888 → 888/Σx 88 → 88|88.88 ≥ 1|−888|−888|−888|−888</source>
        <translation>8888|88888|F = −888 ≥ 0, SR1/JRx, JRy, JRz overflow|+X+Y|JRx = 14.5 + 14.5 = 29 ≥ 16 → ΔX, remainder 13|888 → 888/Σx 88 → 88|88.88 ≥ 1; at the end|−888|−888|−888|−888</translation>
    </message>
    <message>
        <source>导出插补过程表</source>
        <translation>Export the interpolation table</translation>
    </message>
    <message>
        <source>先答后看</source>
        <translation>Answer first</translation>
    </message>
    <message>
        <source>单步时先在表中作答：逐点比较答进给与新偏差 F，数字积分答溢出；答后才显示本步。连续运行不提问。</source>
        <translation>When single stepping, answer in the table first: the feed and the new deviation F under point-by-point comparison, the overflows under DDA; the step shows once answered. A run asks nothing.</translation>
    </message>
    <message>
        <source>脉冲 0 有效    方向 0-正 1-负    蓝色底纹：译码节拍</source>
        <translation>Pulse active at 0    Direction 0 + 1 −    Blue shading: interpreter ticks</translation>
    </message>
    <message>
        <source>尚无节拍</source>
        <translation>No ticks yet</translation>
    </message>
    <message>
        <source>光标</source>
        <translation>Cursor</translation>
    </message>
    <message>
        <source>最新</source>
        <translation>Newest</translation>
    </message>
    <message>
        <source>%1  节拍 %2（%3）  第%4行  X %5  Y %6  Z %7  输出 %8</source>
        <translation>%1  tick %2 (%3)  line %4  X %5  Y %6  Z %7  output %8</translation>
    </message>
    <message>
        <source>译码</source>
        <translation>interpreter</translation>
    </message>
    <message>
        <source>插补</source>
        <translation>interpolation</translation>
    </message>
    <message>
        <source>运行程序后，这里逐个节拍显示并行口输出字节</source>
        <translation>Run a program: the parallel port&apos;s output byte shows here tick by tick</translation>
    </message>
    <message>
        <source>节拍</source>
        <translation>tick</translation>
    </message>
    <message>
        <source>第%1行</source>
        <translation>Line %1</translation>
    </message>
    <message>
        <source>打印答案</source>
        <translation>Print answer key</translation>
    </message>
    <message>
        <source>打印练习单</source>
        <translation>Print worksheet</translation>
    </message>
    <message>
        <source>练习码(&amp;C)：</source>
        <translation>&amp;Code:</translation>
    </message>
    <message>
        <source>保存为网页后在浏览器中打开，在那里预览、打印到 A4 或另存为 PDF。</source>
        <translation>The page is saved and opened in the browser, where you preview it, print it on A4 or save it as PDF.</translation>
    </message>
    <message>
        <source>保存并打开(&amp;S)...</source>
        <translation>&amp;Save and open...</translation>
    </message>
    <message>
        <source>已保存 %1，但没有浏览器能打开它：请另行打开后打印。</source>
        <translation>Saved %1, but no browser could open it: open it yourself to print it.</translation>
    </message>
    <message>
        <source>点击返回</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>功能简介</source>
        <translation>About this program</translation>
    </message>
    <message>
        <source>保存视图图片</source>
        <translation>Save view picture</translation>
    </message>
    <message>
        <source>PNG 图片 (*.png);;SVG 图片 (*.svg)</source>
        <translation>PNG pictures (*.png);;SVG pictures (*.svg)</translation>
    </message>
    <message>
        <source>无法保存图片：%1</source>
        <translation>Cannot save the picture: %1</translation>
    </message>
    <message>
        <source>寄存器位数 N：自动...</source>
        <translation>Register width N: automatic...</translation>
    </message>
    <message>
        <source>寄存器位数 N：%1 位...</source>
        <translation>Register width N: %1 bits...</translation>
    </message>
    <message>
        <source>寄存器位数 N</source>
        <translation>Register width N</translation>
    </message>
    <message>
        <source>自动</source>
        <translation>automatic</translation>
    </message>
    <message>
        <source> 位</source>
        <translation> bits</translation>
    </message>
    <message>
        <source>数字积分法的寄存器容量为 2^N。
自动：每段取 2^N 大于最大增量或半径的最小 N。
指定的 N 小于某段所需时，该段仍取它所需的最小 N。</source>
        <translation>The DDA&apos;s registers hold 2^N.
Automatic: each move takes the smallest N whose 2^N is above its largest increment or radius.
A move that needs more than the N chosen still takes the smallest N it needs.</translation>
    </message>
    <message>
        <source>寄存器位数 N：</source>
        <translation>Register width N:</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>控制面板</source>
        <translation>Control panel</translation>
    </message>
    <message>
        <source>运行..</source>
        <translation>Run..</translation>
    </message>
    <message>
        <source>暂停...</source>
        <translation>Pause...</translation>
    </message>
    <message>
        <source>参数设置</source>
        <translation>Setup</translation>
    </message>
    <message>
        <source>清屏..</source>
        <translation>Clear..</translation>
    </message>
    <message>
        <source>停止..</source>
        <translation>Stop..</translation>
    </message>
    <message>
        <source>速度：</source>
        <translation>Speed:</translation>
    </message>
    <message>
        <source>坐标值</source>
        <translation>Coordinates</translation>
    </message>
    <message>
        <source>工件原点</source>
        <translation>Workpiece origin</translation>
    </message>
    <message>
        <source>动点绝对坐标</source>
        <translation>Tool point (absolute)</translation>
    </message>
    <message>
        <source>并行口输出状态</source>
        <translation>Parallel port output</translation>
    </message>
    <message>
        <source>主轴状态：</source>
        <translation>Spindle:</translation>
    </message>
    <message>
        <source>冷却液状态：</source>
        <translation>Coolant:</translation>
    </message>
    <message>
        <source>  0-正    1-负</source>
        <translation>  0 +    1 −</translation>
    </message>
    <message>
        <source>班级汇总</source>
        <translation>Class summary</translation>
    </message>
    <message>
        <source>未计入的文件：</source>
        <translation>Files left out:</translation>
    </message>
    <message>
        <source>学号</source>
        <translation>Student number</translation>
    </message>
    <message>
        <source>姓名</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>File</translation>
    </message>
    <message>
        <source>次</source>
        <translation>Attempt</translation>
    </message>
    <message>
        <source>答对</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>得分率</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>备注</source>
        <translation>Remarks</translation>
    </message>
    <message>
        <source>答错</source>
        <translation>Wrong</translation>
    </message>
    <message>
        <source>错答</source>
        <translation>Wrong answers</translation>
    </message>
    <message>
        <source>添加文件(&amp;A)...</source>
        <translation>&amp;Add files...</translation>
    </message>
    <message>
        <source>清空(&amp;L)</source>
        <translation>C&amp;lear</translation>
    </message>
    <message>
        <source>导出成绩 CSV(&amp;C)...</source>
        <translation>Export scores &amp;CSV...</translation>
    </message>
    <message>
        <source>导出各步 CSV(&amp;T)...</source>
        <translation>Export s&amp;teps CSV...</translation>
    </message>
    <message>
        <source>练习</source>
        <translation>Exercises</translation>
    </message>
    <message>
        <source>姓名(&amp;A)</source>
        <translation>N&amp;ame</translation>
    </message>
    <message>
        <source>学号(&amp;U)</source>
        <translation>Student n&amp;umber</translation>
    </message>
    <message>
        <source>练习码(&amp;M)</source>
        <translation>Code (&amp;M)</translation>
    </message>
    <message>
        <source>新代码(&amp;N)</source>
        <translation>&amp;New code</translation>
    </message>
    <message>
        <source>开始(&amp;B)</source>
        <translation>Start (&amp;B)</translation>
    </message>
    <message>
        <source>现在导出本次作答，未答的步记为错</source>
        <translation>Export this attempt&apos;s answers now; the steps not answered count as wrong</translation>
    </message>
    <message>
        <source>新偏差 F =</source>
        <translation>New deviation F =</translation>
    </message>
    <message>
        <source>先填新偏差，再按进给方向</source>
        <translation>Type the new deviation, then press the feed</translation>
    </message>
    <message>
        <source>进给：</source>
        <translation>Feed:</translation>
    </message>
    <message>
        <source>提交(&amp;S)</source>
        <translation>&amp;Submit</translation>
    </message>
    <message>
        <source>答错的步：</source>
        <translation>Steps answered wrongly:</translation>
    </message>
    <message>
        <source>显示理想轨迹</source>
        <translation>Show the ideal path</translation>
    </message>
    <message>
        <source>突出所选行的步点</source>
        <translation>Pick out the steps of the selected line</translation>
    </message>
    <message>
        <source>新 F =</source>
        <translation>New F =</translation>
    </message>
    <message>
        <source>X轴脉冲</source>
        <translation>X pulse</translation>
    </message>
    <message>
        <source>X轴方向</source>
        <translation>X direction</translation>
    </message>
    <message>
        <source>Y轴脉冲</source>
        <translation>Y pulse</translation>
    </message>
    <message>
        <source>Y轴方向</source>
        <translation>Y direction</translation>
    </message>
    <message>
        <source>Z轴脉冲</source>
        <translation>Z pulse</translation>
    </message>
    <message>
        <source>Z轴方向</source>
        <translation>Z direction</translation>
    </message>
    <message>
        <source>主轴状态</source>
        <translation>Spindle</translation>
    </message>
    <message>
        <source>冷却液状态</source>
        <translation>Coolant</translation>
    </message>
    <message>
        <source>程序行</source>
        <translation>Program line</translation>
    </message>
    <message>
        <source>指向某一节拍查看其读数，单击固定光标；滚轮前后翻看，Ctrl+滚轮缩放</source>
        <translation>Point at a tick to read it, click to pin the cursor; the wheel scrolls back and forth, Ctrl+wheel zooms</translation>
    </message>
    <message>
        <source>语言(&amp;L)</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <source>工具条</source>
        <translation>Toolbar</translation>
    </message>
    <message>
        <source>新建</source>
        <translation>New</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>剪切</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>粘贴</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>运行</source>
        <translation>Run</translation>
    </message>
    <message>
        <source>暂停</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>停止</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>文件(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>新建(&amp;N)</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>打开(&amp;O)...</source>
        <translation>&amp;Open...</translation>
    </message>
    <message>
        <source>保存(&amp;S)</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>另存为(&amp;E)...</source>
        <translation>Sav&amp;e as...</translation>
    </message>
    <message>
        <source>保存视图图片(&amp;I)...</source>
        <translation>Save view p&amp;icture...</translation>
    </message>
    <message>
        <source>最近打开(&amp;R)</source>
        <translation>&amp;Recent programs</translation>
    </message>
    <message>
        <source>退出(&amp;E)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>编辑(&amp;E)</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>清除(&amp;C)</source>
        <translation>&amp;Clear</translation>
    </message>
    <message>
        <source>剪切(&amp;T)</source>
        <translation>Cu&amp;t</translation>
    </message>
    <message>
        <source>复制(&amp;C)</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>粘贴(&amp;P)</source>
        <translation>&amp;Paste</translation>
    </message>
    <message>
        <source>视图(&amp;V)</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>工具条(&amp;T)</source>
        <translation>&amp;Toolbar</translation>
    </message>
    <message>
        <source>平面图</source>
        <translation>Plan view</translation>
    </message>
    <message>
        <source>轴测</source>
        <translation>Axonometric</translation>
    </message>
    <message>
        <source>放大图平移</source>
        <translation>Magnified view: pan</translation>
    </message>
    <message>
        <source>放大图旋转</source>
        <translation>Magnified view: rotate</translation>
    </message>
    <message>
        <source>控制(&amp;R)</source>
        <translation>&amp;Run</translation>
    </message>
    <message>
        <source>设置(&amp;S)...</source>
        <translation>&amp;Settings...</translation>
    </message>
    <message>
        <source>暂停(&amp;P)</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>运行(&amp;R)</source>
        <translation>&amp;Run</translation>
    </message>
    <message>
        <source>停止(&amp;O)</source>
        <translation>St&amp;op</translation>
    </message>
    <message>
        <source>单步：一个节拍(&amp;T)</source>
        <translation>Single step: one &amp;tick</translation>
    </message>
    <message>
        <source>单步：一步插补(&amp;I)</source>
        <translation>Single step: one &amp;interpolation step</translation>
    </message>
    <message>
        <source>单步：到本行结束(&amp;L)</source>
        <translation>Single step: to the end of the &amp;line</translation>
    </message>
    <message>
        <source>单步：后退一步(&amp;B)</source>
        <translation>Single step: &amp;back one step</translation>
    </message>
    <message>
        <source>教学(&amp;T)</source>
        <translation>&amp;Teaching</translation>
    </message>
    <message>
        <source>关于(&amp;A)</source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>设计者</source>
        <translation>Designers</translation>
    </message>
    <message>
        <source> Tarvo模拟</source>
        <translation> Tarvo simulator</translation>
    </message>
    <message>
        <source>图形显示</source>
        <translation>Views</translation>
    </message>
    <message>
        <source>轴测图</source>
        <translation>Axonometric view</translation>
    </message>
    <message>
        <source>脉冲时序图</source>
        <translation>Pulse timing diagram</translation>
    </message>
    <message>
        <source>插补过程表</source>
        <translation>Interpolation table</translation>
    </message>
    <message>
        <source>练习(&amp;X)</source>
        <translation>E&amp;xercises</translation>
    </message>
    <message>
        <source>开始练习(&amp;S)...</source>
        <translation>&amp;Start exercises...</translation>
    </message>
    <message>
        <source>打印练习单(&amp;W)...</source>
        <translation>Print &amp;worksheet...</translation>
    </message>
    <message>
        <source>打印答案(&amp;A)...</source>
        <translation>Print &amp;answer key...</translation>
    </message>
    <message>
        <source>班级汇总(&amp;K)...</source>
        <translation>Class summar&amp;y...</translation>
    </message>
    <message>
        <source>方法对比(&amp;B)...</source>
        <translation>Method compariso&amp;n...</translation>
    </message>
    <message>
        <source>插补方法(&amp;M)</source>
        <translation>Interpolation &amp;method</translation>
    </message>
    <message>
        <source>工件坐标原点：</source>
        <translation>Workpiece origin:</translation>
    </message>
    <message>
        <source>放大倍数</source>
        <translation>Magnification</translation>
    </message>
    <message>
        <source>脉冲当量(mm)</source>
        <translation>Pulse equivalent (mm)</translation>
    </message>
    <message>
        <source>三轴步进电机数控机床的模拟器，用于脉冲插补教学。</source>
        <translation>Simulator of a three-axis stepper-motor NC machine,
for teaching pulse interpolation.</translation>
    </message>
    <message>
        <source>启动时打开的数控程序。</source>
        <translation>An NC program to open at start.</translation>
    </message>
</context>
</TS>
