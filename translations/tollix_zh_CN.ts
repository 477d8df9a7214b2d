<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>BellEngine</name>
    <message>
        <source>Sun</source>
        <translation>周日</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>周一</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>周二</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>周三</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>周四</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>周五</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>周六</translation>
    </message>
    <message>
        <source>Jan</source>
        <translation>1月</translation>
    </message>
    <message>
        <source>Feb</source>
        <translation>2月</translation>
    </message>
    <message>
        <source>Mar</source>
        <translation>3月</translation>
    </message>
    <message>
        <source>Apr</source>
        <translation>4月</translation>
    </message>
    <message>
        <source>May</source>
        <translation>5月</translation>
    </message>
    <message>
        <source>Jun</source>
        <translation>6月</translation>
    </message>
    <message>
        <source>Jul</source>
        <translation>7月</translation>
    </message>
    <message>
        <source>Aug</source>
        <translation>8月</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>9月</translation>
    </message>
    <message>
        <source>Oct</source>
        <translation>10月</translation>
    </message>
    <message>
        <source>Nov</source>
        <translation>11月</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>12月</translation>
    </message>
    <message>
        <source>NEXT DAY</source>
        <translation>次日</translation>
    </message>
    <message>
        <source>the file could not be played</source>
        <translation>无法播放该文件</translation>
    </message>
    <message>
        <source>no sound output</source>
        <translation>没有声音输出</translation>
    </message>
    <message>
        <source>the speakers are muted</source>
        <translation>扬声器已静音</translation>
    </message>
    <message>
        <source>Bell not heard: %1</source>
        <translation>铃声未播出：%1</translation>
    </message>
</context>
<context>
    <name>CalendarSubscriptions</name>
    <message>
        <source>the new copy is refused: %1</source>
        <translation>新版本被拒绝：%1</translation>
    </message>
    <message>
        <source>the copy cannot be kept: %1</source>
        <translation>无法保存该版本：%1</translation>
    </message>
    <message>
        <source>no copy yet</source>
        <translation>尚无版本</translation>
    </message>
    <message>
        <source>%1 rules in force, fetched %2</source>
        <translation>%1 条规则生效，获取于 %2</translation>
    </message>
    <message>
        <source>; the last fetch failed: %1</source>
        <translation>；上次获取失败：%1</translation>
    </message>
    <message>
        <source> (http: local network only)</source>
        <translation>（http：仅限本地网络）</translation>
    </message>
    <message>
        <source>a new copy waits for acceptance: %1 (tollix --refresh-calendars --accept %2 takes it)</source>
        <translation>新版本等待确认：%1（tollix --refresh-calendars --accept %2 接受它）</translation>
    </message>
    <message>
        <source>calendar %1 could not be fetched: %2; its last copy is in force</source>
        <translation>无法获取日历 %1：%2；其上一个版本仍然有效</translation>
    </message>
    <message>
        <source>calendar %1 could not be fetched: %2</source>
        <translation>无法获取日历 %1：%2</translation>
    </message>
    <message>
        <source>calendar %1: a new copy waits for acceptance: %2</source>
        <translation>日历 %1：新版本等待确认：%2</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Tollix rings the day&apos;s school bells through the speakers at their minute.</source>
        <translation>Tollix 按时通过扬声器敲响学校当天的铃声。</translation>
    </message>
    <message>
        <source>Shows this help and ends.</source>
        <translation>显示此帮助并退出。</translation>
    </message>
    <message>
        <source>Shows the version and ends.</source>
        <translation>显示版本并退出。</translation>
    </message>
    <message>
        <source>Prints the last 50 lines of the ring record and ends.</source>
        <translation>打印铃声记录的最后 50 行并退出。</translation>
    </message>
    <message>
        <source>Uses &lt;folder&gt; as the program folder (its data/ and sound/).</source>
        <translation>使用 &lt;文件夹&gt; 作为程序文件夹（其中的 data/ 和 sound/）。</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>文件夹</translation>
    </message>
    <message>
        <source>Adds the whole-day events of the iCalendar &lt;file&gt; to the days without bells, shows what it adds and ends. Exit status 1: the file or the holidays cannot be read or written; 3: the file looks like a calendar of school days, nothing is written (--yes takes it all the same).</source>
        <translation>将 iCalendar &lt;文件&gt; 中的全天事件加入无铃日，显示所添加的内容并退出。退出状态 1：无法读取或写入该文件或假期；3：该文件看起来是上课日历，不写入任何内容（--yes 仍然导入）。</translation>
    </message>
    <message>
        <source>file</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>With --import-holidays: imports a calendar of school days too.</source>
        <translation>与 --import-holidays 一起使用：也导入上课日历。</translation>
    </message>
    <message>
        <source>tollix: %1 (try --help)</source>
        <translation>tollix：%1（请尝试 --help）</translation>
    </message>
    <message>
        <source>tollix: unexpected argument &apos;%1&apos; (try --help)</source>
        <translation>tollix：意外的参数“%1”（请尝试 --help）</translation>
    </message>
    <message>
        <source>Reads a new password for the web page from standard input, stores its hash in data/web.ini and ends.</source>
        <translation>从标准输入读取网页的新密码，将其哈希保存到 data/web.ini 并退出。</translation>
    </message>
    <message>
        <source>tollix: --yes goes only with --import-holidays (try --help)</source>
        <translation>tollix：--yes 只能与 --import-holidays 一起使用（请尝试 --help）</translation>
    </message>
    <message>
        <source>Rings the bells without a window or tray, for a computer without a screen; messages go to standard error. SIGTERM ends it.</source>
        <translation>无窗口、无托盘地打铃，用于没有屏幕的计算机；消息写到标准错误输出。SIGTERM 结束它。</translation>
    </message>
    <message>
        <source>Prints what the running copy does now (state, next bell, last ring, problems) and ends. Exit status 1: no copy runs.</source>
        <translation>打印正在运行的副本当前的情况（状态、下一次铃声、最近一次响铃、问题）后结束。退出状态 1：没有副本在运行。</translation>
    </message>
    <message>
        <source>Hands the emergency signal &lt;name&gt; (Lockdown or Evacuation) to the running copy, which sounds it until All clear, and ends. Exit status 1: no copy runs; 2: an unknown name.</source>
        <translation>将紧急信号 &lt;名称&gt;（Lockdown 或 Evacuation）交给正在运行的副本，由它一直发出信号直到解除警报，然后退出。退出状态 1：没有副本在运行；2：未知的名称。</translation>
    </message>
    <message>
        <source>name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Ends the emergency signal of the running copy and ends. Exit status 1: no copy runs.</source>
        <translation>结束正在运行的副本的紧急信号并退出。退出状态 1：没有副本在运行。</translation>
    </message>
    <message>
        <source>Has the running copy fetch its subscribed calendars (data/calendars.ini) now, prints their state and ends. Exit status 1: no copy runs; 3: the copy named by --accept was not waiting.</source>
        <translation>让正在运行的副本立即获取其订阅的日历（data/calendars.ini），打印它们的状态并退出。退出状态 1：没有副本在运行；3：--accept 指定的版本并未在等待。</translation>
    </message>
    <message>
        <source>With --refresh-calendars: takes the new copy of the calendar &lt;name&gt; that waits for the operator&apos;s Yes.</source>
        <translation>与 --refresh-calendars 一起使用：接受日历 &lt;名称&gt; 中等待操作员确认的新版本。</translation>
    </message>
    <message>
        <source>tollix: --accept goes only with --refresh-calendars (try --help)</source>
        <translation>tollix：--accept 只能与 --refresh-calendars 一起使用（请尝试 --help）</translation>
    </message>
    <message>
        <source>tollix: unknown signal &apos;%1&apos;: Lockdown or Evacuation (try --help)</source>
        <translation>tollix：未知的信号“%1”：应为 Lockdown 或 Evacuation（请尝试 --help）</translation>
    </message>
</context>
<context>
    <name>Countdown</name>
    <message>
        <source>Please input hour</source>
        <translation>请输入小时</translation>
    </message>
    <message>
        <source>Please input minute</source>
        <translation>请输入分钟</translation>
    </message>
    <message>
        <source>Please input second</source>
        <translation>请输入秒</translation>
    </message>
    <message>
        <source>(Hour)Please input digit between 0 and 99</source>
        <translation>小时：请输入 0 到 99 之间的数字</translation>
    </message>
    <message>
        <source>(minute)Please input digit between 0 and 59</source>
        <translation>分钟：请输入 0 到 59 之间的数字</translation>
    </message>
    <message>
        <source>(second)Please input digit between 0 and 59</source>
        <translation>秒：请输入 0 到 59 之间的数字</translation>
    </message>
</context>
<context>
    <name>HolidayCommand</name>
    <message>
        <source>tollix: %1 was not imported: %2</source>
        <translation>tollix：%1 未导入：%2</translation>
    </message>
    <message>
        <source>nothing was written (--yes imports it all the same)</source>
        <translation>未写入任何内容（--yes 仍然导入）</translation>
    </message>
    <message>
        <source>%1 new ranges written to %2</source>
        <translation>%1 个新时段已写入 %2</translation>
    </message>
</context>
<context>
    <name>HolidayImport</name>
    <message>
        <source>This looks like a calendar of school days, not holidays: it would silence %1 of the %2 weekdays of %3.</source>
        <translation>这看起来是上课日历，而不是假期日历：它会使 %3 年 %2 个工作日中的 %1 天不响铃。</translation>
    </message>
    <message>
        <source>No new days without bells.</source>
        <translation>没有新的无铃日。</translation>
    </message>
    <message>
        <source>Days without bells to add:</source>
        <translation>要添加的无铃日：</translation>
    </message>
    <message>
        <source>  ... and %1 more</source>
        <translation>  ……另有 %1 项</translation>
    </message>
    <message>
        <source>%1 in %2</source>
        <translation>%2 年 %1 天</translation>
    </message>
    <message>
        <source>School days (Monday to Friday) without bells: %1</source>
        <translation>无铃的上课日（周一至周五）：%1</translation>
    </message>
    <message>
        <source>%1 with a time of day</source>
        <translation>%1 个带时刻的事件</translation>
    </message>
    <message>
        <source>%1 in the past</source>
        <translation>%1 个已过去的事件</translation>
    </message>
    <message>
        <source>%1 cancelled</source>
        <translation>%1 个已取消的事件</translation>
    </message>
    <message>
        <source>Skipped events: %1</source>
        <translation>跳过的事件：%1</translation>
    </message>
    <message>
        <source> (already without bells: %1)</source>
        <translation>（已无铃：%1）</translation>
    </message>
    <message>
        <source>Already days without bells, not added again:</source>
        <translation>已是无铃日，不再添加：</translation>
    </message>
    <message>
        <source>%1 dates written with a time, read as dates</source>
        <translation>%1 个日期带有时刻，按日期读取</translation>
    </message>
</context>
<context>
    <name>MainForm</name>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Today     :</source>
        <translation>今天：</translation>
    </message>
    <message>
        <source>Now time :</source>
        <translation>当前时间：</translation>
    </message>
    <message>
        <source>Now state</source>
        <translation>当前状态</translation>
    </message>
    <message>
        <source>Click to see the ring log: every bell and what became of it.</source>
        <translation>点击查看铃声记录：每次铃声及其结果。</translation>
    </message>
    <message>
        <source>Next bell</source>
        <translation>下次铃声</translation>
    </message>
    <message>
        <source>Next sound</source>
        <translation>下一个声音</translation>
    </message>
    <message>
        <source>Today Bells</source>
        <translation>今日铃声</translation>
    </message>
    <message>
        <source>Select bell sound</source>
        <translation>选择铃声</translation>
    </message>
    <message>
        <source>Auto execution</source>
        <translation>登录时启动</translation>
    </message>
    <message>
        <source>If you want TOLLIX to operate automatically at computer start time.</source>
        <translation>登录时自动启动 TOLLIX。</translation>
    </message>
    <message>
        <source>No com sound</source>
        <translation>屏蔽电脑声音</translation>
    </message>
    <message>
        <source>Repeating bell</source>
        <translation>重复响铃</translation>
    </message>
    <message>
        <source>if you click [Stop Bell], bell sound will be stoped.</source>
        <translation>铃声会一直重复，直到您点击 [停止铃声]。</translation>
    </message>
    <message>
        <source>If you want purge external sound generating other program.</source>
        <translation>在铃声之间屏蔽其他程序的声音。</translation>
    </message>
    <message>
        <source>Internet time</source>
        <translation>互联网时间</translation>
    </message>
    <message>
        <source>At real-time it synchronizes a computer time in standard time.</source>
        <translation>按互联网标准时间校准电脑时钟。</translation>
    </message>
    <message>
        <source>Reservation Exit</source>
        <translation>定时关机</translation>
    </message>
    <message>
        <source>Auto interval</source>
        <translation>自动间隔</translation>
    </message>
    <message>
        <source>Manual input</source>
        <translation>手动输入</translation>
    </message>
    <message>
        <source>Set time mode</source>
        <translation>时间模式</translation>
    </message>
    <message>
        <source>Apply week</source>
        <translation>整周</translation>
    </message>
    <message>
        <source>Set each day </source>
        <translation>每天单独设置</translation>
    </message>
    <message>
        <source>Apply day</source>
        <translation>适用日期</translation>
    </message>
    <message>
        <source>No rings</source>
        <translation>不响铃</translation>
    </message>
    <message>
        <source>Select day</source>
        <translation>选择日期</translation>
    </message>
    <message>
        <source>Set start and end time</source>
        <translation>开始和结束时间</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>hr</source>
        <translation>时</translation>
    </message>
    <message>
        <source>min</source>
        <translation>分</translation>
    </message>
    <message>
        <source>End</source>
        <translation>结束</translation>
    </message>
    <message>
        <source>Set time interval</source>
        <translation>时间间隔</translation>
    </message>
    <message>
        <source>Work time</source>
        <translation>上课时间</translation>
    </message>
    <message>
        <source>Rest time</source>
        <translation>休息时间</translation>
    </message>
    <message>
        <source>Set start bell sound</source>
        <translation>铃声声音</translation>
    </message>
    <message>
        <source>Work</source>
        <translation>上课</translation>
    </message>
    <message>
        <source>Rest</source>
        <translation>休息</translation>
    </message>
    <message>
        <source>min after</source>
        <translation>分钟后</translation>
    </message>
    <message>
        <source>min before</source>
        <translation>分钟前</translation>
    </message>
    <message>
        <source>Alarm before and after bell time (After check,Apply sound)</source>
        <translation>开始铃后和结束铃前的提醒（勾选后应用声音）</translation>
    </message>
    <message>
        <source>Input time (Add after selecting sound)</source>
        <translation>输入时间（先选择声音再添加）</translation>
    </message>
    <message>
        <source>Added time (24H clock : 5PM -&gt; 17hr)</source>
        <translation>已添加时间（24 小时制：下午 5 点为 17 时）</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Ring now</source>
        <translation>立即响铃</translation>
    </message>
    <message>
        <source>Stop Bell</source>
        <translation>停止铃声</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>修改</translation>
    </message>
    <message>
        <source>Delete all</source>
        <translation>全部删除</translation>
    </message>
    <message>
        <source>Templet</source>
        <translation>模板</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>To the tray</source>
        <translation>最小化到托盘</translation>
    </message>
    <message>
        <source>Today&apos;s bells</source>
        <translation>今日铃声</translation>
    </message>
    <message>
        <source>Bell sounds</source>
        <translation>铃声列表</translation>
    </message>
    <message>
        <source>Day shown</source>
        <translation>显示的日期</translation>
    </message>
    <message>
        <source>Start hour</source>
        <translation>开始小时</translation>
    </message>
    <message>
        <source>Start minute</source>
        <translation>开始分钟</translation>
    </message>
    <message>
        <source>End hour</source>
        <translation>结束小时</translation>
    </message>
    <message>
        <source>End minute</source>
        <translation>结束分钟</translation>
    </message>
    <message>
        <source>Work minutes</source>
        <translation>上课分钟</translation>
    </message>
    <message>
        <source>Rest minutes</source>
        <translation>休息分钟</translation>
    </message>
    <message>
        <source>Sound of the work bell</source>
        <translation>上课铃声</translation>
    </message>
    <message>
        <source>Sound of the rest bell</source>
        <translation>休息铃声</translation>
    </message>
    <message>
        <source>Minutes after the start bell</source>
        <translation>开始铃后的分钟数</translation>
    </message>
    <message>
        <source>Sound of the alarm after the start bell</source>
        <translation>开始铃后提醒的声音</translation>
    </message>
    <message>
        <source>Minutes before the end bell</source>
        <translation>结束铃前的分钟数</translation>
    </message>
    <message>
        <source>Sound of the alarm before the end bell</source>
        <translation>结束铃前提醒的声音</translation>
    </message>
    <message>
        <source>Hour of the new time</source>
        <translation>新时间的小时</translation>
    </message>
    <message>
        <source>Minute of the new time (Enter adds it)</source>
        <translation>新时间的分钟（按 Enter 添加）</translation>
    </message>
    <message>
        <source>Added times (Del deletes)</source>
        <translation>已添加时间（Del 删除）</translation>
    </message>
    <message>
        <source>Apply the selected sound to the work bell</source>
        <translation>将所选声音用于上课铃</translation>
    </message>
    <message>
        <source>Apply the selected sound to the rest bell</source>
        <translation>将所选声音用于休息铃</translation>
    </message>
    <message>
        <source>Apply the selected sound to the alarm after the start bell</source>
        <translation>将所选声音用于开始铃后的提醒</translation>
    </message>
    <message>
        <source>Apply the selected sound to the alarm before the end bell</source>
        <translation>将所选声音用于结束铃前的提醒</translation>
    </message>
    <message>
        <source>Open Window</source>
        <translation>打开窗口</translation>
    </message>
    <message>
        <source>Align to school clock</source>
        <translation>与学校时钟对齐</translation>
    </message>
    <message>
        <source>Copy to...</source>
        <translation>复制到...</translation>
    </message>
    <message>
        <source>Add sound...</source>
        <translation>添加声音...</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>播放</translation>
    </message>
    <message>
        <source>Plays the selected sound for a test; a bell ends it.</source>
        <translation>试听所选声音；铃声响起时停止。</translation>
    </message>
    <message>
        <source>&amp;Play music list</source>
        <translation>播放音乐列表(&amp;P)</translation>
    </message>
    <message>
        <source>Countdown next &amp;bell</source>
        <translation>下一次铃声倒计时(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Countdown</source>
        <translation>倒计时(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Infomation</source>
        <translation>信息(&amp;I)</translation>
    </message>
    <message>
        <source>Holi&amp;days</source>
        <translation>假期(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Web page</source>
        <translation>网页(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Outputs</source>
        <translation>输出(&amp;O)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Alarms</source>
        <translation>紧急警报(&amp;A)</translation>
    </message>
    <message>
        <source>Words to say</source>
        <translation>要播报的文字</translation>
    </message>
    <message>
        <source>Spoken at once on the bells&apos; outputs.</source>
        <translation>立即在铃声的输出上播报。</translation>
    </message>
    <message>
        <source>Say</source>
        <translation>播报</translation>
    </message>
</context>
<context>
    <name>Refusal</name>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>星期日</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>星期一</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>星期二</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>星期三</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>星期四</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>星期五</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>星期六</translation>
    </message>
    <message>
        <source>All days</source>
        <translation>所有日期</translation>
    </message>
    <message>
        <source>Select bell sound int [Select bell sound]</source>
        <translation>请在 [选择铃声] 中选择铃声</translation>
    </message>
    <message>
        <source>Invalid music folder name. (Format : minutes_music folder name)</source>
        <translation>音乐文件夹名称无效（格式：分钟数_名称）</translation>
    </message>
    <message>
        <source>(Hour)Please input digit between 0 and 23</source>
        <translation>小时：请输入 0 到 23 之间的数字</translation>
    </message>
    <message>
        <source>(Minute)Please input digit between 0 and 59</source>
        <translation>分钟：请输入 0 到 59 之间的数字</translation>
    </message>
    <message>
        <source>The corresponding time is being register already.</source>
        <translation>该时间已在列表中。</translation>
    </message>
    <message>
        <source>Select time that you want to delete in [Added time]</source>
        <translation>请在 [已添加时间] 中选择要删除的时间</translation>
    </message>
    <message>
        <source>Select time that you want to modify in [Added time]</source>
        <translation>请在 [已添加时间] 中选择要修改的时间</translation>
    </message>
    <message>
        <source>Select bell sound in [Select bell sound]</source>
        <translation>请在 [选择铃声] 中选择铃声</translation>
    </message>
    <message>
        <source>Select bell sound from [Select bell sound]</source>
        <translation>请在 [选择铃声] 中选择铃声</translation>
    </message>
    <message>
        <source>C:\tollix\sound folder must over one sound file</source>
        <translation>声音文件夹中必须至少有一个声音文件</translation>
    </message>
    <message>
        <source>nothing added time. please add time.</source>
        <translation>尚未添加时间，请添加时间。</translation>
    </message>
    <message>
        <source>Please input exit minute</source>
        <translation>请输入结束分钟</translation>
    </message>
    <message>
        <source>Please input start hour</source>
        <translation>请输入开始小时</translation>
    </message>
    <message>
        <source>Please input start minute</source>
        <translation>请输入开始分钟</translation>
    </message>
    <message>
        <source>Please input end hour</source>
        <translation>请输入结束小时</translation>
    </message>
    <message>
        <source>(End minute)Please input digit between 0 and 59</source>
        <translation>结束分钟：请输入 0 到 59 之间的数字</translation>
    </message>
    <message>
        <source>(Start Hour)Please input digit between 0 and 23</source>
        <translation>开始小时：请输入 0 到 23 之间的数字</translation>
    </message>
    <message>
        <source>(Start minute)Please input digit between 0 and 59</source>
        <translation>开始分钟：请输入 0 到 59 之间的数字</translation>
    </message>
    <message>
        <source>(End hour)Please input digit between 0 and 23</source>
        <translation>结束小时：请输入 0 到 23 之间的数字</translation>
    </message>
    <message>
        <source>(Work time)must over 1 minute</source>
        <translation>上课时间必须至少 1 分钟</translation>
    </message>
    <message>
        <source>(rest time)must over 1 minute</source>
        <translation>休息时间必须至少 1 分钟</translation>
    </message>
    <message>
        <source>must end time bigger then start time</source>
        <translation>结束时间必须晚于开始时间</translation>
    </message>
    <message>
        <source>(Alarm after start bell time)Please input digit between 1 and 99</source>
        <translation>开始铃后的提醒：请输入 1 到 99 之间的数字</translation>
    </message>
    <message>
        <source>(Alarm before end bell time)Please input digit between 1 and 99</source>
        <translation>结束铃前的提醒：请输入 1 到 99 之间的数字</translation>
    </message>
    <message>
        <source>Sum of [Alarm after start bell time minute] and [Alarm before end bell minute] is must not over work time.</source>
        <translation>开始铃后与结束铃前的提醒分钟数之和必须小于上课时间。</translation>
    </message>
    <message>
        <source>Start time and end time is must over sum of work time and rest time.</source>
        <translation>开始到结束的时间必须长于上课时间与休息时间之和。</translation>
    </message>
    <message>
        <source>C:\tollix\sound folder must over one mp3 or wav or wma sound file</source>
        <translation>声音文件夹中必须至少有一个 mp3、wav 或 wma 声音文件</translation>
    </message>
    <message>
        <source>Not exist selected bell in sound folder.</source>
        <translation>所选铃声不在声音文件夹中。</translation>
    </message>
    <message>
        <source>Music file must exist more than one in music list folder, except file name starting ##</source>
        <translation>音乐列表文件夹中必须至少有一个文件名不以 ## 开头的音乐文件</translation>
    </message>
    <message>
        <source>An emergency signal sounds: no bell is rung until All clear.</source>
        <translation>紧急信号正在发出：解除警报之前不会响铃。</translation>
    </message>
</context>
<context>
    <name>Subscriptions</name>
    <message>
        <source>%1 may be read by others and is not used (chmod 600 it)</source>
        <translation>%1 可被他人读取，因此不使用（请对它执行 chmod 600）</translation>
    </message>
    <message>
        <source>calendars.ini line %1: %2</source>
        <translation>calendars.ini 第 %1 行：%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no address and no setting</source>
        <translation>“%1”既不是地址也不是设置</translation>
    </message>
    <message>
        <source>refresh is a number of hours, 1 .. 168</source>
        <translation>refresh 是小时数，1 .. 168</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no setting (refresh, ca)</source>
        <translation>“%1”不是设置（refresh, ca）</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no https:// or webcal:// address</source>
        <translation>“%1”不是 https:// 或 webcal:// 地址</translation>
    </message>
    <message>
        <source>http:// is only for the local network; %1 needs https://</source>
        <translation>http:// 仅用于本地网络；%1 需要 https://</translation>
    </message>
    <message>
        <source>it would silence %1 of the %2 school days of %3</source>
        <translation>它会使 %3 的 %2 个上课日中的 %1 天不响铃</translation>
    </message>
    <message>
        <source>it would change %1 school days at once (more than %2)</source>
        <translation>它会一次更改 %1 个上课日（超过 %2 个）</translation>
    </message>
    <message>
        <source>Days without bells added: %1</source>
        <translation>新增的无铃日：%1</translation>
    </message>
    <message>
        <source>Days without bells removed: %1</source>
        <translation>移除的无铃日：%1</translation>
    </message>
    <message>
        <source>Days with other bells: %1</source>
        <translation>铃声有变化的日期：%1</translation>
    </message>
</context>
<context>
    <name>TimeSync</name>
    <message>
        <source>behind</source>
        <translation>慢</translation>
    </message>
    <message>
        <source>ahead</source>
        <translation>快</translation>
    </message>
    <message>
        <source>No answer from %1 since %2</source>
        <translation>自 %2 起 %1 无应答</translation>
    </message>
    <message>
        <source>Clock agrees with %1 at %2</source>
        <translation>%2 时时钟与 %1 一致</translation>
    </message>
    <message>
        <source>Clock set from %1 at %2</source>
        <translation>%2 时已按 %1 校准时钟</translation>
    </message>
    <message>
        <source>Held back: %1 says this computer is %2 s %3. A change over 60 s needs %4 answers at least 64 s apart that agree within 1 s; %5 so far</source>
        <translation>暂缓：%1 显示本机%3 %2 秒。超过 60 秒的调整需要 %4 个相隔至少 64 秒且相差不超过 1 秒的应答；目前 %5 个</translation>
    </message>
    <message>
        <source>Bells follow %1: this computer is %2 s %3</source>
        <translation>铃声以 %1 为准：本机%3 %2 秒</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>Log out</source>
        <translation>退出登录</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密码</translation>
    </message>
    <message>
        <source>Log in</source>
        <translation>登录</translation>
    </message>
    <message>
        <source>Now state</source>
        <translation>当前状态</translation>
    </message>
    <message>
        <source>Next bell</source>
        <translation>下次铃声</translation>
    </message>
    <message>
        <source>Ring now</source>
        <translation>立即响铃</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>声音</translation>
    </message>
    <message>
        <source>Stop bell</source>
        <translation>停止铃声</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Today Bells</source>
        <translation>今日铃声</translation>
    </message>
    <message>
        <source>Last rings</source>
        <translation>最近的铃声</translation>
    </message>
    <message>
        <source>Internet time: </source>
        <translation>网络时间：</translation>
    </message>
    <message>
        <source>Time: PC clock</source>
        <translation>时间：电脑时钟</translation>
    </message>
    <message>
        <source>Error </source>
        <translation>错误 </translation>
    </message>
    <message>
        <source>en</source>
        <translation>zh-CN</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>运行</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>HOLIDAY</source>
        <translation>假日</translation>
    </message>
    <message>
        <source>Wrong password</source>
        <translation>密码错误</translation>
    </message>
    <message>
        <source>Too many failed log-ins: wait %1 s</source>
        <translation>登录失败次数过多：请等待 %1 秒</translation>
    </message>
    <message>
        <source>Busy: try again</source>
        <translation>繁忙：请重试</translation>
    </message>
    <message>
        <source>Stop the schedule? No bell rings until it is started again.</source>
        <translation>停止时间表？在再次启动之前，不会有铃声响起。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>A file could not be read: %1 (the initial settings are used)</source>
        <translation>无法读取文件：%1（使用初始设置）</translation>
    </message>
    <message>
        <source>The schedule is running.</source>
        <translation>时间表正在运行。</translation>
    </message>
    <message>
        <source>The schedule is stopped.</source>
        <translation>时间表已停止。</translation>
    </message>
    <message>
        <source>Say now</source>
        <translation>立即播报</translation>
    </message>
    <message>
        <source>Words to say</source>
        <translation>要播报的文字</translation>
    </message>
    <message>
        <source>Say</source>
        <translation>播报</translation>
    </message>
    <message>
        <source>Views</source>
        <translation>视图</translation>
    </message>
    <message>
        <source>Bells</source>
        <translation>铃声</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>时间表</translation>
    </message>
    <message>
        <source>All days</source>
        <translation>所有日期</translation>
    </message>
    <message>
        <source>Templet %1</source>
        <translation>模板 %1</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>已保存</translation>
    </message>
    <message>
        <source>Changed meanwhile elsewhere: shown as it is now</source>
        <translation>其间已在别处更改：显示为现在的状态</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>（无）</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>已复制</translation>
    </message>
    <message>
        <source>Time mode</source>
        <translation>时间模式</translation>
    </message>
    <message>
        <source>Auto interval</source>
        <translation>自动间隔</translation>
    </message>
    <message>
        <source>Manual input</source>
        <translation>手动输入</translation>
    </message>
    <message>
        <source>Apply week</source>
        <translation>整周</translation>
    </message>
    <message>
        <source>Set each day</source>
        <translation>每天单独设置</translation>
    </message>
    <message>
        <source>List</source>
        <translation>列表</translation>
    </message>
    <message>
        <source>No rings</source>
        <translation>不响铃</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>Copy to...</source>
        <translation>复制到...</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Settings of</source>
        <translation>要设置的日期</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>开始时间</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>结束时间</translation>
    </message>
    <message>
        <source>Work (minutes)</source>
        <translation>上课（分钟）</translation>
    </message>
    <message>
        <source>Rest (minutes)</source>
        <translation>休息（分钟）</translation>
    </message>
    <message>
        <source>Start bell</source>
        <translation>开始铃</translation>
    </message>
    <message>
        <source>End bell</source>
        <translation>结束铃</translation>
    </message>
    <message>
        <source>Alarm after start bell</source>
        <translation>开始铃后的提醒</translation>
    </message>
    <message>
        <source>Minutes after</source>
        <translation>之后的分钟数</translation>
    </message>
    <message>
        <source>Alarm sound</source>
        <translation>提醒的声音</translation>
    </message>
    <message>
        <source>Alarm before end bell</source>
        <translation>结束铃前的提醒</translation>
    </message>
    <message>
        <source>Minutes before</source>
        <translation>之前的分钟数</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Emergency signals</source>
        <translation>紧急信号</translation>
    </message>
    <message>
        <source>Repeat (seconds)</source>
        <translation>重复间隔（秒）</translation>
    </message>
    <message>
        <source>Unknown signal.</source>
        <translation>未知的信号。</translation>
    </message>
    <message>
        <source>A bell is sounding.</source>
        <translation>铃声正在响。</translation>
    </message>
    <message>
        <source>The sound could not be played.</source>
        <translation>无法播放该声音。</translation>
    </message>
    <message>
        <source>Alarm: %1</source>
        <translation>紧急信号：%1</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>警报</translation>
    </message>
    <message>
        <source>Hold a button for 2 seconds.</source>
        <translation>按住按钮 2 秒。</translation>
    </message>
    <message>
        <source>Lockdown</source>
        <translation>封闭避险</translation>
    </message>
    <message>
        <source>Evacuation</source>
        <translation>紧急疏散</translation>
    </message>
    <message>
        <source>All clear</source>
        <translation>解除警报</translation>
    </message>
    <message>
        <source>No bells</source>
        <translation>不响铃</translation>
    </message>
    <message>
        <source>Bells of %1</source>
        <translation>%1 的铃声</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>播放</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>声音</translation>
    </message>
    <message>
        <source>Add sound...</source>
        <translation>添加声音...</translation>
    </message>
    <message>
        <source>Import it all the same</source>
        <translation>仍然导入</translation>
    </message>
    <message>
        <source>Import these days</source>
        <translation>导入这些日期</translation>
    </message>
    <message>
        <source>Holidays</source>
        <translation>假期</translation>
    </message>
    <message>
        <source>From</source>
        <translation>从</translation>
    </message>
    <message>
        <source>To</source>
        <translation>到</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Rings</source>
        <translation>响铃</translation>
    </message>
    <message>
        <source>Import a holiday calendar</source>
        <translation>导入假期日历</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Outputs (one a line; none: the default output)</source>
        <translation>输出（每行一个；留空：默认输出）</translation>
    </message>
    <message>
        <source>School clock ahead (seconds)</source>
        <translation>学校时钟超前（秒）</translation>
    </message>
    <message>
        <source>Internet time</source>
        <translation>互联网时间</translation>
    </message>
    <message>
        <source>No com sound</source>
        <translation>屏蔽电脑声音</translation>
    </message>
    <message>
        <source>Auto execution</source>
        <translation>登录时启动</translation>
    </message>
    <message>
        <source>Reservation Exit</source>
        <translation>定时关机</translation>
    </message>
    <message>
        <source>Exit time</source>
        <translation>关机时间</translation>
    </message>
</context>
<context>
    <name>WebPasswordCommand</name>
    <message>
        <source>New web page password: </source>
        <translation>网页的新密码：</translation>
    </message>
    <message>
        <source>The same again: </source>
        <translation>再输入一次：</translation>
    </message>
    <message>
        <source>no password was given</source>
        <translation>没有输入密码</translation>
    </message>
    <message>
        <source>the password is longer than 1024 bytes</source>
        <translation>密码长于 1024 字节</translation>
    </message>
    <message>
        <source>the two passwords differ</source>
        <translation>两次输入的密码不一致</translation>
    </message>
    <message>
        <source>the password could not be hashed (out of memory)</source>
        <translation>无法计算密码的散列（内存不足）</translation>
    </message>
    <message>
        <source>tollix: %1; nothing was written</source>
        <translation>tollix：%1；未写入任何内容</translation>
    </message>
    <message>
        <source>The web page&apos;s password is set in %1</source>
        <translation>网页的密码已保存在 %1</translation>
    </message>
    <message>
        <source>The web page&apos;s password is set in %1 (the page stays off until a port is set)</source>
        <translation>网页的密码已保存在 %1（设置端口之前网页保持关闭）</translation>
    </message>
    <message>
        <source>the password is shorter than %1 characters</source>
        <translation>密码少于 %1 个字符</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Error Number : 
</source>
        <translation>错误：
</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>A file could not be read: %1
The public time servers are used.</source>
        <translation>无法读取文件：%1
将使用公共时间服务器。</translation>
    </message>
    <message>
        <source>TOLLIX runs already; it is not started a second time.</source>
        <translation>TOLLIX 已在运行；不会再启动第二个。</translation>
    </message>
    <message>
        <source>TOLLIX runs as a service and rings the bells; it is not started a second time.</source>
        <translation>TOLLIX 正作为服务运行并负责打铃；不会再启动第二个。</translation>
    </message>
    <message>
        <source>TOLLIX does not run.</source>
        <translation>TOLLIX 未在运行。</translation>
    </message>
    <message>
        <source>TOLLIX does not run: the signal was not given.</source>
        <translation>TOLLIX 未在运行：信号未发出。</translation>
    </message>
    <message>
        <source>No new copy of the calendar %1 waits for acceptance.</source>
        <translation>日历 %1 没有等待确认的新版本。</translation>
    </message>
    <message>
        <source>A file could not be read: %1
The signals sound in this building only.</source>
        <translation>无法读取文件：%1
信号只在本楼内发出。</translation>
    </message>
</context>
<context>
    <name>tollix::AlarmBanner</name>
    <message>
        <source>Every bell is held until All clear.</source>
        <translation>解除警报之前所有铃声暂停。</translation>
    </message>
    <message>
        <source>All clear...</source>
        <translation>解除警报...</translation>
    </message>
    <message>
        <source>All clear</source>
        <translation>解除警报</translation>
    </message>
    <message>
        <source>End the signal and ring the bells again?</source>
        <translation>结束信号并恢复响铃吗？</translation>
    </message>
</context>
<context>
    <name>tollix::AlarmWindow</name>
    <message>
        <source>Lockdown</source>
        <translation>封闭避险</translation>
    </message>
    <message>
        <source>Evacuation</source>
        <translation>紧急疏散</translation>
    </message>
    <message>
        <source>All clear</source>
        <translation>解除警报</translation>
    </message>
    <message>
        <source>Alarms</source>
        <translation>紧急警报</translation>
    </message>
    <message>
        <source>Lockdown...</source>
        <translation>封闭避险...</translation>
    </message>
    <message>
        <source>Evacuation...</source>
        <translation>紧急疏散...</translation>
    </message>
    <message>
        <source>Signal</source>
        <translation>信号</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>声音</translation>
    </message>
    <message>
        <source>Again after (s, 0: at once)</source>
        <translation>再次发出间隔（秒，0：立即）</translation>
    </message>
    <message>
        <source>Try</source>
        <translation>试听</translation>
    </message>
    <message>
        <source>The sound cannot be tried now: a bell or a signal sounds, or the file cannot be played.</source>
        <translation>现在无法试听该声音：铃声或信号正在响，或者无法播放该文件。</translation>
    </message>
    <message>
        <source>Sound the %1 signal on every speaker now?
Every bell is held until All clear.</source>
        <translation>现在在所有扬声器上发出“%1”信号吗？
解除警报之前所有铃声暂停。</translation>
    </message>
    <message>
        <source>The setting could not be saved: %1</source>
        <translation>无法保存设置：%1</translation>
    </message>
</context>
<context>
    <name>tollix::CopyToDialog</name>
    <message>
        <source>Copy to...</source>
        <translation>复制到...</translation>
    </message>
</context>
<context>
    <name>tollix::FramelessWindow</name>
    <message>
        <source>TOLLIX-Stop</source>
        <translation>TOLLIX - 已停止</translation>
    </message>
    <message>
        <source>TOLLIX-Excuting...</source>
        <translation>TOLLIX - 运行中</translation>
    </message>
</context>
<context>
    <name>tollix::FrmBellCount</name>
    <message>
        <source>Countdown next bell</source>
        <translation>下一次铃声倒计时</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>tollix::FrmCountDown</name>
    <message>
        <source>Countdown</source>
        <translation>倒计时</translation>
    </message>
    <message>
        <source>hr</source>
        <translation>时</translation>
    </message>
    <message>
        <source>min</source>
        <translation>分</translation>
    </message>
    <message>
        <source>sec</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>继续</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>重置</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>全屏</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>小时</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>分钟</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>Time left</source>
        <translation>剩余时间</translation>
    </message>
</context>
<context>
    <name>tollix::FrmFullScreen</name>
    <message>
        <source>Countdown</source>
        <translation>倒计时</translation>
    </message>
    <message>
        <source>Small window</source>
        <translation>小窗口</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>继续</translation>
    </message>
</context>
<context>
    <name>tollix::FrmSyncError</name>
    <message>
        <source>Because failure of connecting in the Internet time server, it cannot fix time.</source>
        <translation>无法连接互联网时间服务器，因此无法校正时间。</translation>
    </message>
    <message>
        <source>Please confirm network condition which probably is normal.</source>
        <translation>请检查网络是否正常。</translation>
    </message>
    <message>
        <source>If this warning window are opened frequently, it means that the network condition is unstable. therefore, you not be able to use internet time function.</source>
        <translation>如果此警告经常出现，说明网络不稳定，无法使用互联网时间功能。</translation>
    </message>
    <message>
        <source>So, please cancel the check box [Internet time] of TOLLIX main window.</source>
        <translation>这种情况下，请取消 TOLLIX 主窗口中的 [互联网时间] 复选框。</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>tollix::HelpWindow</name>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Keyboard&lt;/h3&gt;&lt;p&gt;&lt;b&gt;Ctrl+S&lt;/b&gt; Start, &lt;b&gt;Ctrl+T&lt;/b&gt; Stop, &lt;b&gt;Ctrl+R&lt;/b&gt; Ring now, &lt;b&gt;Esc&lt;/b&gt; stops the bell that sounds. &lt;b&gt;Enter&lt;/b&gt; in the minute field adds the time, &lt;b&gt;Del&lt;/b&gt; in the list deletes the selected time. &lt;b&gt;Tab&lt;/b&gt; goes from control to control; the arrow keys and the mouse wheel change the numbers.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;键盘&lt;/h3&gt;&lt;p&gt;&lt;b&gt;Ctrl+S&lt;/b&gt; 开始，&lt;b&gt;Ctrl+T&lt;/b&gt; 停止，&lt;b&gt;Ctrl+R&lt;/b&gt; 立即响铃，&lt;b&gt;Esc&lt;/b&gt; 停止正在响的铃声。在分钟栏中按 &lt;b&gt;Enter&lt;/b&gt; 添加时间，在列表中按 &lt;b&gt;Del&lt;/b&gt; 删除所选时间。&lt;b&gt;Tab&lt;/b&gt; 在控件之间切换；方向键和鼠标滚轮可以改变数字。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;TOLLIX %1&lt;/h3&gt;&lt;p&gt;The bell ringer for schools and workplaces.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Program folder&lt;/b&gt; (settings and sounds):&lt;br&gt;%2&lt;/p&gt;&lt;p&gt;&lt;b&gt;Ring record&lt;/b&gt; (every bell and what became of it):&lt;br&gt;%3&lt;/p&gt;&lt;p&gt;Copyright 2026 the Tollix developers. All rights reserved.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;TOLLIX %1&lt;/h3&gt;&lt;p&gt;面向学校和工作场所的打铃程序。&lt;/p&gt;&lt;p&gt;&lt;b&gt;程序文件夹&lt;/b&gt;（设置和声音）：&lt;br&gt;%2&lt;/p&gt;&lt;p&gt;&lt;b&gt;铃声记录&lt;/b&gt;（每次铃声及其结果）：&lt;br&gt;%3&lt;/p&gt;&lt;p&gt;版权所有 2026 Tollix 开发者。保留所有权利。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Points of caution&lt;/h3&gt;&lt;p&gt;&lt;b&gt;The clock is the 24-hour clock.&lt;/b&gt; 5 PM is 17 hr, midnight is 0 hr. A bell at 17 hr 30 min rings at half past five in the afternoon.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Sounds&lt;/b&gt; are the .mp3, .wav, .wma, .ogg and .flac files in the sound folder:&lt;br&gt;%1&lt;br&gt;Copy your bells there, or use &quot;Add sound...&quot; under the list: the list of sounds follows the folder while TOLLIX runs.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Auto interval&lt;/b&gt; makes the bells for you: from the start time, a work bell, then after the work time a rest bell, then after the rest time the next work bell, and so on until the end time. &lt;b&gt;Manual input&lt;/b&gt; rings only the times you add to the list, each with its own sound.&lt;/p&gt;&lt;p&gt;&lt;b&gt;No com sound&lt;/b&gt; keeps the speakers silent between bells, so music or videos of other programs are not heard in class. The speakers are on for each bell and again when TOLLIX ends.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;注意事项&lt;/h3&gt;&lt;p&gt;&lt;b&gt;时钟为 24 小时制。&lt;/b&gt;下午 5 点是 17 时，午夜是 0 时。17 时 30 分的铃声在下午五点半响起。&lt;/p&gt;&lt;p&gt;&lt;b&gt;声音&lt;/b&gt;是声音文件夹中的 .mp3、.wav、.wma、.ogg 和 .flac 文件：&lt;br&gt;%1&lt;br&gt;将铃声复制到该文件夹，或使用列表下方的“添加声音...”：TOLLIX 运行时声音列表会随文件夹自动更新。&lt;/p&gt;&lt;p&gt;&lt;b&gt;自动间隔&lt;/b&gt;为您生成铃声：从开始时间起响上课铃，上课时间过后响休息铃，休息时间过后响下一次上课铃，如此直到结束时间。&lt;b&gt;手动输入&lt;/b&gt;只在您添加到列表中的时间响铃，每个时间有自己的声音。&lt;/p&gt;&lt;p&gt;&lt;b&gt;屏蔽电脑声音&lt;/b&gt;在铃声之间让扬声器保持静音，上课时听不到其他程序的音乐或视频。每次响铃时以及 TOLLIX 退出时扬声器会重新打开。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Play music list&lt;/h3&gt;&lt;p&gt;A bell can be a list of music instead of one sound, for example during a break.&lt;/p&gt;&lt;p&gt;Make a folder inside the sound folder (%1) and name it with the number of minutes it plays, an underscore and a name: &lt;b&gt;15_lunch&lt;/b&gt; plays for 15 minutes.&lt;/p&gt;&lt;p&gt;Put .mp3, .wav, .wma, .ogg or .flac files in it. They play one after another in the order of their names, and again from the first until the minutes are over. A file whose name starts with &lt;b&gt;##&lt;/b&gt; plays once at the beginning.&lt;/p&gt;&lt;p&gt;In the last four seconds the music fades out. A new folder appears in the list of sounds by itself, a moment after it is made.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;播放音乐列表&lt;/h3&gt;&lt;p&gt;铃声可以是一个音乐列表而不是单个声音，例如在休息时间。&lt;/p&gt;&lt;p&gt;在声音文件夹（%1）中新建一个文件夹，以播放的分钟数、下划线和名称命名：&lt;b&gt;15_lunch&lt;/b&gt; 播放 15 分钟。&lt;/p&gt;&lt;p&gt;在其中放入 .mp3、.wav、.wma、.ogg 或 .flac 文件。它们按文件名顺序依次播放，播完后从第一个重新开始，直到时间结束。文件名以 &lt;b&gt;##&lt;/b&gt; 开头的文件在开始时播放一次。&lt;/p&gt;&lt;p&gt;最后四秒音乐淡出。新建的文件夹片刻后会自动出现在声音列表中。&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>tollix::HolidaysWindow</name>
    <message>
        <source>Holidays</source>
        <translation>假期</translation>
    </message>
    <message>
        <source>Name, for example Winter holidays</source>
        <translation>名称，例如寒假</translation>
    </message>
    <message>
        <source>No bells</source>
        <translation>不响铃</translation>
    </message>
    <message>
        <source>Make-up day with the bells of</source>
        <translation>补课日，使用以下日期的铃声：</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>星期日</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>星期一</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>星期二</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>星期三</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>星期四</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>星期五</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>星期六</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Import calendar (.ics)...</source>
        <translation>导入日历 (.ics)...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>A date or a range</source>
        <translation>一个日期或一个时段</translation>
    </message>
    <message>
        <source>From</source>
        <translation>从</translation>
    </message>
    <message>
        <source>to</source>
        <translation>到</translation>
    </message>
    <message>
        <source>Make-up day</source>
        <translation>补课日</translation>
    </message>
    <message>
        <source>Rules of %1</source>
        <translation>%1 中的规则</translation>
    </message>
    <message>
        <source>The file cannot be used: %1</source>
        <translation>无法使用该文件：%1</translation>
    </message>
    <message>
        <source>Line %1 is not read: %2</source>
        <translation>第 %1 行未读取：%2</translation>
    </message>
    <message>
        <source>Select a rule to delete.</source>
        <translation>请选择要删除的规则。</translation>
    </message>
    <message>
        <source>Import a holiday calendar</source>
        <translation>导入假期日历</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics);;All files (*)</source>
        <translation>iCalendar 文件 (*.ics);;所有文件 (*)</translation>
    </message>
    <message>
        <source>%1 was not imported: %2</source>
        <translation>%1 未导入：%2</translation>
    </message>
    <message>
        <source>Import it all the same?</source>
        <translation>仍然导入吗？</translation>
    </message>
    <message>
        <source>Import these days?</source>
        <translation>导入这些日期吗？</translation>
    </message>
    <message>
        <source>%1 holidays imported</source>
        <translation>已导入 %1 个假期</translation>
    </message>
    <message>
        <source>, %1 events with a time of day skipped</source>
        <translation>，跳过了 %1 个带时刻的事件</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>The holidays cannot be saved: %1</source>
        <translation>无法保存假期：%1</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>日历</translation>
    </message>
    <message>
        <source>Days without bells and make-up days</source>
        <translation>无铃日和补课日</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Weekday whose bells ring</source>
        <translation>使用其铃声的星期</translation>
    </message>
    <message>
        <source>Special day with the bells of</source>
        <translation>特殊日，使用以下铃声：</translation>
    </message>
    <message>
        <source>Templet %1</source>
        <translation>模板 %1</translation>
    </message>
    <message>
        <source>Special day</source>
        <translation>特殊日</translation>
    </message>
    <message>
        <source>Template of the special day</source>
        <translation>特殊日的模板</translation>
    </message>
    <message>
        <source>Templet %1 holds no bells: a special day with it would ring nothing. Put its bells in first.</source>
        <translation>模板 %1 没有铃声：使用它的特殊日将不会响铃。请先在其中添加铃声。</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>上个月</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>下个月</translation>
    </message>
    <message>
        <source>Days of the month</source>
        <translation>本月日期</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>年份</translation>
    </message>
    <message>
        <source>From the subscribed calendar %1</source>
        <translation>来自订阅的日历 %1</translation>
    </message>
    <message>
        <source>Subscribed: %1, %2 rules</source>
        <translation>已订阅：%1，%2 条规则</translation>
    </message>
    <message>
        <source>, fetched %1</source>
        <translation>，获取于 %1</translation>
    </message>
    <message>
        <source> (http: local network only)</source>
        <translation>（http：仅限本地网络）</translation>
    </message>
    <message>
        <source>The last fetch failed: %1; the last good copy is used.</source>
        <translation>上次获取失败：%1；使用最近一个正常的版本。</translation>
    </message>
    <message>
        <source>A new copy of %1 waits: %2
%3</source>
        <translation>%1 的新版本正在等待：%2
%3</translation>
    </message>
    <message>
        <source>Take the new copy of %1</source>
        <translation>接受 %1 的新版本</translation>
    </message>
    <message>
        <source>Take the new copy of %1 with the days it changes?</source>
        <translation>接受 %1 的新版本及其更改的日期吗？</translation>
    </message>
</context>
<context>
    <name>tollix::MenuWindows</name>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Play music list</source>
        <translation>播放音乐列表</translation>
    </message>
    <message>
        <source>Infomation</source>
        <translation>信息</translation>
    </message>
</context>
<context>
    <name>tollix::OutputsWindow</name>
    <message>
        <source>Outputs</source>
        <translation>输出</translation>
    </message>
    <message>
        <source>Outputs the bells play on</source>
        <translation>播放铃声的输出</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>测试</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>刷新</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>%1 (missing)</source>
        <translation>%1（缺失）</translation>
    </message>
    <message>
        <source>The bells play on every output ticked, all at once.
None ticked: the default output. Another computer&apos;s speakers are an output too
(a network sink of the sound server: see the README). Relays and IP speakers
listed below the outputs switch and play with every bell.</source>
        <translation>铃声同时在每个勾选的输出上播放。
未勾选任何输出：使用默认输出。另一台电脑的扬声器也可以作为输出
（声音服务器的网络输出：见 README）。列在输出下方的继电器和 IP 扬声器
在每次响铃时接通并播放。</translation>
    </message>
    <message>
        <source>Rings the selected bell on the outputs ticked, or switches the selected relay, or plays the bell on the selected IP speakers</source>
        <translation>在勾选的输出上播放所选铃声，或接通所选继电器，或在所选 IP 扬声器上播放铃声</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>Takes the selected relay or IP speakers off the list</source>
        <translation>从列表中移除所选继电器或 IP 扬声器</translation>
    </message>
    <message>
        <source>Relay ON command</source>
        <translation>继电器开启命令</translation>
    </message>
    <message>
        <source>Relay OFF command</source>
        <translation>继电器关闭命令</translation>
    </message>
    <message>
        <source>Seconds the relay stays on</source>
        <translation>继电器保持开启的秒数</translation>
    </message>
    <message>
        <source> s</source>
        <translation> 秒</translation>
    </message>
    <message>
        <source>for the sound</source>
        <translation>与声音同长</translation>
    </message>
    <message>
        <source>Add relay</source>
        <translation>添加继电器</translation>
    </message>
    <message>
        <source>Relay (a hard-wired bell)</source>
        <translation>继电器（有线电铃）</translation>
    </message>
    <message>
        <source>ON command:</source>
        <translation>开启命令：</translation>
    </message>
    <message>
        <source>OFF command:</source>
        <translation>关闭命令：</translation>
    </message>
    <message>
        <source>On for:</source>
        <translation>开启时长：</translation>
    </message>
    <message>
        <source>Multicast group of the IP speakers</source>
        <translation>IP 扬声器的组播组</translation>
    </message>
    <message>
        <source>Port of the IP speakers</source>
        <translation>IP 扬声器的端口</translation>
    </message>
    <message>
        <source>Add IP speakers</source>
        <translation>添加 IP 扬声器</translation>
    </message>
    <message>
        <source>IP speakers (multicast RTP, G.711)</source>
        <translation>IP 扬声器（组播 RTP，G.711）</translation>
    </message>
    <message>
        <source>Group:</source>
        <translation>组：</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>端口：</translation>
    </message>
    <message>
        <source>Relay: %1</source>
        <translation>继电器：%1</translation>
    </message>
    <message>
        <source> (on for %1 s)</source>
        <translation>（开启 %1 秒）</translation>
    </message>
    <message>
        <source>IP speakers: %1:%2</source>
        <translation>IP 扬声器：%1:%2</translation>
    </message>
    <message>
        <source>%1 (unusable: %2)</source>
        <translation>%1（不可用：%2）</translation>
    </message>
    <message>
        <source>Not added: %1</source>
        <translation>未添加：%1</translation>
    </message>
    <message>
        <source>Not tried: a bell sounds on it now, or no bell is selected.</source>
        <translation>未测试：其上正在响铃，或者未选择铃声。</translation>
    </message>
</context>
<context>
    <name>tollix::QtCalendarFetch</name>
    <message>
        <source>the certificate authority %1 cannot be read</source>
        <translation>无法读取证书颁发机构 %1</translation>
    </message>
    <message>
        <source>the calendar is larger than 16 MB</source>
        <translation>日历大于 16 MB</translation>
    </message>
    <message>
        <source>the server answered %1 %2</source>
        <translation>服务器应答 %1 %2</translation>
    </message>
</context>
<context>
    <name>tollix::RingLogWindow</name>
    <message>
        <source>Ring log</source>
        <translation>铃声记录</translation>
    </message>
    <message>
        <source>The last %1 bells, newest at the bottom. Kept in %2</source>
        <translation>最近 %1 次铃声，最新的在底部。保存在 %2</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>No bell has rung yet.</source>
        <translation>尚未响过铃。</translation>
    </message>
</context>
<context>
    <name>tollix::SchoolClockWindow</name>
    <message>
        <source>Align to school clock</source>
        <translation>与学校时钟对齐</translation>
    </message>
    <message>
        <source>-1 s</source>
        <translation>-1 秒</translation>
    </message>
    <message>
        <source>+1 s</source>
        <translation>+1 秒</translation>
    </message>
    <message>
        <source>Ring now at the next full minute</source>
        <translation>每个整分钟响铃</translation>
    </message>
    <message>
        <source>The selected bell rings at every full minute of school time while this is checked: move the clock until it rings with the school&apos;s.</source>
        <translation>勾选时，所选铃声在学校时间的每个整分钟响起：调整时钟，直到它与学校的铃声同时响起。</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>The school&apos;s clocks are ahead by</source>
        <translation>学校的时钟快了</translation>
    </message>
    <message>
        <source>Seconds the school&apos;s wall clocks are ahead of this computer&apos;s time (behind: less than 0).
Every bell, clock and countdown of TOLLIX goes by school time.</source>
        <translation>学校挂钟比本电脑时间快的秒数（慢则小于 0）。
TOLLIX 的每个铃声、时钟和倒计时都按学校时间进行。</translation>
    </message>
    <message>
        <source>School clock: %1 s ahead</source>
        <translation>学校时钟：快 %1 秒</translation>
    </message>
    <message>
        <source>School clock: %1 s behind</source>
        <translation>学校时钟：慢 %1 秒</translation>
    </message>
    <message>
        <source>School time %1:%2:%3</source>
        <translation>学校时间 %1:%2:%3</translation>
    </message>
    <message>
        <source>Seconds the school&apos;s clocks are ahead</source>
        <translation>学校时钟快的秒数</translation>
    </message>
</context>
<context>
    <name>tollix::SoundListPanel</name>
    <message>
        <source>Add sound</source>
        <translation>添加声音</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>A bell is sounding.</source>
        <translation>铃声正在响。</translation>
    </message>
    <message>
        <source>The sound could not be played.</source>
        <translation>无法播放该声音。</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>播放</translation>
    </message>
    <message>
        <source>The sound folder holds another %1. Replace it?</source>
        <translation>声音文件夹中已有另一个 %1。要替换吗？</translation>
    </message>
    <message>
        <source>Not added:%1</source>
        <translation>未添加：%1</translation>
    </message>
    <message>
        <source>Sounds (*.mp3 *.wav *.wma *.ogg *.flac *.say *.MP3 *.WAV *.WMA *.OGG *.FLAC *.SAY)</source>
        <translation>声音 (*.mp3 *.wav *.wma *.ogg *.flac *.say *.MP3 *.WAV *.WMA *.OGG *.FLAC *.SAY)</translation>
    </message>
    <message>
        <source>Cannot be spoken: %1</source>
        <translation>无法播报：%1</translation>
    </message>
</context>
<context>
    <name>tollix::WebPageWindow</name>
    <message>
        <source>Web page</source>
        <translation>网页</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>不变</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Port (0: off)</source>
        <translation>端口（0：关闭）</translation>
    </message>
    <message>
        <source>New password</source>
        <translation>新密码</translation>
    </message>
    <message>
        <source>The same again</source>
        <translation>再输入一次</translation>
    </message>
    <message>
        <source>The two passwords differ.</source>
        <translation>两次输入的密码不一致。</translation>
    </message>
    <message>
        <source>Set a password first.</source>
        <translation>请先设置密码。</translation>
    </message>
    <message>
        <source>Saving…</source>
        <translation>正在保存…</translation>
    </message>
    <message>
        <source>The password could not be hashed.</source>
        <translation>无法计算密码的散列。</translation>
    </message>
    <message>
        <source>The page is off: %1</source>
        <translation>网页已关闭：%1</translation>
    </message>
    <message>
        <source>The page is off.</source>
        <translation>网页已关闭。</translation>
    </message>
    <message>
        <source>Open %1 on a computer or phone of the school&apos;s network.</source>
        <translation>在学校网络中的电脑或手机上打开 %1。</translation>
    </message>
    <message>
        <source>The password is shorter than %1 characters.</source>
        <translation>密码少于 %1 个字符。</translation>
    </message>
</context>
<context>
    <name>tollix::isAutoExitForm</name>
    <message>
        <source>Reservation computer exit</source>
        <translation>定时关机</translation>
    </message>
    <message>
        <source>Exit time (Type 24Hour)</source>
        <translation>关机时间（24 小时制）</translation>
    </message>
    <message>
        <source>hr</source>
        <translation>时</translation>
    </message>
    <message>
        <source>min</source>
        <translation>分</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>(Hour)Please input digit between 0 and 23</source>
        <translation>小时：请输入 0 到 23 之间的数字</translation>
    </message>
    <message>
        <source>(minute)Please input digit between 0 and 59</source>
        <translation>分钟：请输入 0 到 59 之间的数字</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>小时</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>分钟</translation>
    </message>
</context>
<context>
    <name>tollix::isAutoModeForm</name>
    <message>
        <source>Auto execution</source>
        <translation>登录时启动</translation>
    </message>
    <message>
        <source>Auto execution way</source>
        <translation>登录时的启动方式</translation>
    </message>
    <message>
        <source>Execution to tray icon</source>
        <translation>启动到托盘</translation>
    </message>
    <message>
        <source>Execution to monitor</source>
        <translation>启动并显示窗口</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>tollix::main</name>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>A file could not be read: %1
The initial settings are used, and the file is kept as it is until a setting it holds is changed.</source>
        <translation>无法读取文件：%1
将使用初始设置，在更改其中的设置之前该文件保持不变。</translation>
    </message>
    <message>
        <source>The ring record cannot be kept: %1
The bells ring all the same.</source>
        <translation>无法保存铃声记录：%1
铃声仍会照常响起。</translation>
    </message>
    <message>
        <source>Reading %1</source>
        <translation>正在读取 %1</translation>
    </message>
    <message>
        <source>Reading the sound folder %1</source>
        <translation>正在读取声音文件夹 %1</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Error Number : 
%1 failed: %2</source>
        <translation>错误：
%1 失败：%2</translation>
    </message>
    <message>
        <source>The setting could not be saved: %1</source>
        <translation>无法保存设置：%1</translation>
    </message>
    <message>
        <source>All days</source>
        <translation>所有日期</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Click arrow in right [Select day], Seting each day bell time.</source>
        <translation>点击 [选择日期] 右侧的箭头，设置每天的铃声时间。</translation>
    </message>
    <message>
        <source>templet%1</source>
        <translation>模板%1</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>运行</translation>
    </message>
    <message>
        <source>No bells today: %1</source>
        <translation>今天不响铃：%1</translation>
    </message>
    <message>
        <source>HOLIDAY</source>
        <translation>假日</translation>
    </message>
    <message>
        <source>No bells today</source>
        <translation>今天不响铃</translation>
    </message>
    <message>
        <source>Make-up day: %1&apos;s bells%2</source>
        <translation>补课日：使用%1的铃声%2</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Delete all times of time box?</source>
        <translation>删除列表中的所有时间吗？</translation>
    </message>
    <message>
        <source>Replace the %1 bells in the list with Templet %2?</source>
        <translation>用模板 %2 替换列表中的 %1 个铃声吗？</translation>
    </message>
    <message>
        <source>At real-time it synchronizes a computer time in standard time.</source>
        <translation>按互联网标准时间校准电脑时钟。</translation>
    </message>
    <message>
        <source>TOLLIX cannot be set to start at log-on: %1</source>
        <translation>无法将 TOLLIX 设置为登录时启动：%1</translation>
    </message>
    <message>
        <source>The start entry at log-on could not be removed: %1</source>
        <translation>无法删除登录启动项：%1</translation>
    </message>
    <message>
        <source>The computer could not be switched off at the reserved time.
%1</source>
        <translation>无法在预定时间关闭计算机。
%1</translation>
    </message>
    <message>
        <source>It uses the Internet time server, at real-time it synchronizes a computer time in standard time.</source>
        <translation>TOLLIX 使用互联网时间服务器，使电脑时钟保持标准时间。</translation>
    </message>
    <message>
        <source>Stop all bells and exit TOLLIX?</source>
        <translation>停止所有铃声并退出 TOLLIX 吗？</translation>
    </message>
    <message>
        <source>Start every weekday from the week&apos;s list?</source>
        <translation>每个工作日都从整周列表开始吗？</translation>
    </message>
    <message>
        <source>Special day: Templet %1%2</source>
        <translation>特殊日：模板 %1%2</translation>
    </message>
    <message>
        <source>%1 hr %2 min %3 sec</source>
        <translation>%1 时 %2 分 %3 秒</translation>
    </message>
    <message>
        <source>The list on screen is empty. These days would lose all their bells: %1
Copy the empty list?</source>
        <translation>屏幕上的列表为空。这些日子将失去所有铃声：%1
要复制空列表吗？</translation>
    </message>
    <message>
        <source>These days have bells of their own: %1
Replace them with the list on screen?</source>
        <translation>这些日子已有自己的铃声：%1
要用屏幕上的列表替换吗？</translation>
    </message>
    <message>
        <source>These special days would ring no bells, their template holds none:
%1</source>
        <translation>这些特殊日不会响铃，其模板没有铃声：
%1</translation>
    </message>
    <message>
        <source>No bells set: nothing rings today or on the next five school days</source>
        <translation>未设置铃声：今天和接下来五个上学日都不会响铃</translation>
    </message>
    <message>
        <source>A file changed on disk could not be read: %1
The settings held are kept.</source>
        <translation>磁盘上已更改的文件无法读取：%1
保留当前设置。</translation>
    </message>
    <message>
        <source>The broker %1 cannot be reached: signals sound in this building only.</source>
        <translation>无法连接消息代理 %1：信号只在本楼内发出。</translation>
    </message>
    <message>
        <source>Type the words to say.</source>
        <translation>请输入要播报的文字。</translation>
    </message>
    <message>
        <source>At most %1 characters can be said.</source>
        <translation>最多可以播报 %1 个字符。</translation>
    </message>
    <message>
        <source>Words cannot be spoken here.</source>
        <translation>此处无法播报文字。</translation>
    </message>
</context>
<context>
    <name>tollix::templet</name>
    <message>
        <source>Select templet</source>
        <translation>选择模板</translation>
    </message>
    <message>
        <source>Templet %1</source>
        <translation>模板 %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
</TS>
