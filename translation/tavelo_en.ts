<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>tavelo</name>
    <message>
        <source>显示器类型选择</source>
        <translation>Display Type</translation>
    </message>
    <message>
        <source>显示器类型</source>
        <translation>Display type</translation>
    </message>
    <message>
        <source>ZORA 测试版</source>
        <translation>ZORA test version</translation>
    </message>
    <message>
        <source>ZORB 测试版</source>
        <translation>ZORB test version</translation>
    </message>
    <message>
        <source>画面</source>
        <translation>Screen</translation>
    </message>
    <message>
        <source>画面号 %d 超出范围(%d至%d)！</source>
        <translation>Screen number %d is out of range (%d to %d)!</translation>
    </message>
    <message>
        <source>画面号 %d 已经存在！</source>
        <translation>Screen number %d already exists!</translation>
    </message>
    <message>
        <source>输入的跳转画面号不正确！</source>
        <translation>The screen number to jump to is not valid!</translation>
    </message>
    <message>
        <source>设置ZOR</source>
        <translation>ZOR Settings</translation>
    </message>
    <message>
        <source>2008-08-29修改,升级下载时序问题</source>
        <translation>Changed 2008-08-29: download timing upgraded</translation>
    </message>
    <message>
        <source>从不</source>
        <translation>Never</translation>
    </message>
    <message>
        <source>一分钟</source>
        <translation>1 minute</translation>
    </message>
    <message>
        <source>二分钟</source>
        <translation>2 minutes</translation>
    </message>
    <message>
        <source>三分钟</source>
        <translation>3 minutes</translation>
    </message>
    <message>
        <source>五分钟</source>
        <translation>5 minutes</translation>
    </message>
    <message>
        <source>十分钟</source>
        <translation>10 minutes</translation>
    </message>
    <message>
        <source>二十分钟</source>
        <translation>20 minutes</translation>
    </message>
    <message>
        <source>三十分钟</source>
        <translation>30 minutes</translation>
    </message>
    <message>
        <source>一小时</source>
        <translation>1 hour</translation>
    </message>
    <message>
        <source>报警画面</source>
        <translation>Alarm Screen</translation>
    </message>
    <message>
        <source>该协议不支持报警！</source>
        <translation>This protocol does not support alarms!</translation>
    </message>
    <message>
        <source>报警列表上限！</source>
        <translation>The alarm list is full!</translation>
    </message>
    <message>
        <source>已经达到地址最大值</source>
        <translation>The highest address has been reached</translation>
    </message>
    <message>
        <source>序号</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>字符串</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>PLC及通讯参数选择</source>
        <translation>PLC and Link Settings</translation>
    </message>
    <message>
        <source>选择所连接的PLC类型</source>
        <translation>Choose the type of the connected PLC</translation>
    </message>
    <message>
        <source>PLC类型:</source>
        <translation>PLC type:</translation>
    </message>
    <message>
        <source>局号:</source>
        <translation>Station:</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>通讯参数设置&gt;&gt;</source>
        <translation>Link settings &gt;&gt;</translation>
    </message>
    <message>
        <source>通讯参数设置&lt;&lt;</source>
        <translation>Link settings &lt;&lt;</translation>
    </message>
    <message>
        <source>波特率</source>
        <translation>Baud rate</translation>
    </message>
    <message>
        <source>数据位</source>
        <translation>Data bits</translation>
    </message>
    <message>
        <source>停止位</source>
        <translation>Stop bits</translation>
    </message>
    <message>
        <source>校验位</source>
        <translation>Parity</translation>
    </message>
    <message>
        <source>8位</source>
        <translation>8 bits</translation>
    </message>
    <message>
        <source>7位</source>
        <translation>7 bits</translation>
    </message>
    <message>
        <source>2位</source>
        <translation>2 bits</translation>
    </message>
    <message>
        <source>1位</source>
        <translation>1 bit</translation>
    </message>
    <message>
        <source>无校验</source>
        <translation>None</translation>
    </message>
    <message>
        <source>奇校验</source>
        <translation>Odd</translation>
    </message>
    <message>
        <source>偶校验</source>
        <translation>Even</translation>
    </message>
    <message>
        <source>不支持该协议!</source>
        <translation>This protocol is not supported!</translation>
    </message>
    <message>
        <source>选择通信口</source>
        <translation>Choose the Port</translation>
    </message>
    <message>
        <source>选择计算机的通信口，用于下载画面数据...</source>
        <translation>Choose the computer's serial port for downloading the screens...</translation>
    </message>
    <message>
        <source>通信口：</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>请安装后再运行</source>
        <translation>Please install the program, then run it again</translation>
    </message>
    <message>
        <source>无法打开字库文件</source>
        <translation>Cannot open the font file</translation>
    </message>
    <message>
        <source>字体设置</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>小四</source>
        <translation>Small four (16 dots)</translation>
    </message>
    <message>
        <source>五号</source>
        <translation>Five (14 dots)</translation>
    </message>
    <message>
        <source>小五</source>
        <translation>Small five (12 dots)</translation>
    </message>
    <message>
        <source>原始数据</source>
        <translation>Raw data</translation>
    </message>
    <message>
        <source>工程数据</source>
        <translation>Engineering data</translation>
    </message>
    <message>
        <source>文本</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>矢量文本属性</source>
        <translation>Vector Text Properties</translation>
    </message>
    <message>
        <source>动态文本属性</source>
        <translation>Dynamic Text Properties</translation>
    </message>
    <message>
        <source>矢量动态文本属性</source>
        <translation>Vector Dynamic Text Properties</translation>
    </message>
    <message>
        <source>显示</source>
        <translation>Display</translation>
    </message>
    <message>
        <source>线圈</source>
        <translation>Coil</translation>
    </message>
    <message>
        <source>功能键属性</source>
        <translation>Function Key Properties</translation>
    </message>
    <message>
        <source>属性</source>
        <translation>Properties</translation>
    </message>
    <message>
        <source>静态位图属性</source>
        <translation>Static Bitmap Properties</translation>
    </message>
    <message>
        <source>动态位图</source>
        <translation>Dynamic bitmap</translation>
    </message>
    <message>
        <source>数值</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>圆形</source>
        <translation>Round</translation>
    </message>
    <message>
        <source>方形</source>
        <translation>Square</translation>
    </message>
    <message>
        <source>正逻辑</source>
        <translation>Positive logic</translation>
    </message>
    <message>
        <source>负逻辑</source>
        <translation>Negative logic</translation>
    </message>
    <message>
        <source>无符号</source>
        <translation>Unsigned</translation>
    </message>
    <message>
        <source>有符号</source>
        <translation>Signed</translation>
    </message>
    <message>
        <source>向上</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>向下</source>
        <translation>Down</translation>
    </message>
    <message>
        <source>向左</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>向右</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>ESC 键</source>
        <translation>ESC key</translation>
    </message>
    <message>
        <source>向左 键</source>
        <translation>Left key</translation>
    </message>
    <message>
        <source>向右 键</source>
        <translation>Right key</translation>
    </message>
    <message>
        <source>向下 键</source>
        <translation>Down key</translation>
    </message>
    <message>
        <source>向上 键</source>
        <translation>Up key</translation>
    </message>
    <message>
        <source>SET  键</source>
        <translation>SET key</translation>
    </message>
    <message>
        <source>ENT 键</source>
        <translation>ENT key</translation>
    </message>
    <message>
        <source>ALM 键</source>
        <translation>ALM key</translation>
    </message>
    <message>
        <source>'0' 键</source>
        <translation>'0' key</translation>
    </message>
    <message>
        <source>'1' 键</source>
        <translation>'1' key</translation>
    </message>
    <message>
        <source>'2' 键</source>
        <translation>'2' key</translation>
    </message>
    <message>
        <source>'3' 键</source>
        <translation>'3' key</translation>
    </message>
    <message>
        <source>'4' 键</source>
        <translation>'4' key</translation>
    </message>
    <message>
        <source>'5' 键</source>
        <translation>'5' key</translation>
    </message>
    <message>
        <source>'6' 键</source>
        <translation>'6' key</translation>
    </message>
    <message>
        <source>'7' 键</source>
        <translation>'7' key</translation>
    </message>
    <message>
        <source>'8' 键</source>
        <translation>'8' key</translation>
    </message>
    <message>
        <source>'9' 键</source>
        <translation>'9' key</translation>
    </message>
    <message>
        <source>'+/-' 键</source>
        <translation>'+/-' key</translation>
    </message>
    <message>
        <source>CLR 键</source>
        <translation>CLR key</translation>
    </message>
    <message>
        <source>单色位图超出192*64范围</source>
        <translation>The monochrome bitmap is larger than 192*64</translation>
    </message>
    <message>
        <source>不能下载:画面文件过大!</source>
        <translation>Cannot download: the screens are too large!</translation>
    </message>
    <message>
        <source>系统设置参数初始画面号在组态画面中不存在，请重新设置</source>
        <translation>The initial screen of the system settings does not exist among the screens; please set it again</translation>
    </message>
    <message>
        <source>数据组织出错，请检查数据配置</source>
        <translation>The data could not be organised; please check the configuration</translation>
    </message>
    <message>
        <source>无法打开图形库文件</source>
        <translation>Cannot open the graphics library file</translation>
    </message>
    <message>
        <source>位图点阵提取错误</source>
        <translation>The bitmap's dots could not be extracted</translation>
    </message>
    <message>
        <source>动态位图处理错误</source>
        <translation>The dynamic bitmap could not be processed</translation>
    </message>
    <message>
        <source>动态文本数据出错</source>
        <translation>The dynamic text's data is wrong</translation>
    </message>
    <message>
        <source>画面 %d 有 %d 个元件，最多 %d 个</source>
        <translation>Screen %d has %d elements, at most %d are allowed</translation>
    </message>
    <message>
        <source>画面 %d 位于 (%d, %d) 的静态文本有 %d 个编码字节，最多 %d 个</source>
        <translation>Screen %d: the static text at (%d, %d) has %d encoded bytes, at most %d are allowed</translation>
    </message>
    <message>
        <source>画面 %d 位于 (%d, %d) 的动态文本有 %d 行，最多 %d 行</source>
        <translation>Screen %d: the dynamic text at (%d, %d) has %d rows, at most %d are allowed</translation>
    </message>
    <message>
        <source>画面 %d 位于 (%d, %d) 的动态文本第 %d 行有 %d 个编码字节，最多 %d 个</source>
        <translation>Screen %d: the dynamic text at (%d, %d), row %d, has %d encoded bytes, at most %d are allowed</translation>
    </message>
    <message>
        <source>报警列表有 %d 条报警，最多 %d 条</source>
        <translation>The alarm list has %d alarms, at most %d are allowed</translation>
    </message>
    <message>
        <source>第 %d 条报警有 %d 个编码字节，最多 %d 个</source>
        <translation>Alarm %d has %d encoded bytes, at most %d are allowed</translation>
    </message>
    <message>
        <source>画面 %d 的静态位图有 %d × %d 点，每边最多 %d 点</source>
        <translation>A static bitmap on screen %d has %d × %d dots, at most %d on each side</translation>
    </message>
    <message>
        <source>通讯状态</source>
        <translation>Link Status</translation>
    </message>
    <message>
        <source>下载成功!</source>
        <translation>Download succeeded!</translation>
    </message>
    <message>
        <source>字符屏型号错误，无法下载!</source>
        <translation>Wrong panel model, cannot download!</translation>
    </message>
    <message>
        <source>通讯失败,请检查电源、通讯电缆和通讯口,再重新下载.       </source>
        <translation>The link failed. Please check the power, the cable and the port, then download again.</translation>
    </message>
    <message>
        <source>取消通讯</source>
        <translation>Link cancelled</translation>
    </message>
    <message>
        <source>不支持的PLC类型</source>
        <translation>Unsupported PLC type</translation>
    </message>
    <message>
        <source>该串口不存在</source>
        <translation>This serial port does not exist</translation>
    </message>
    <message>
        <source>找不到PLC驱动索引文件200590901222.dat</source>
        <translation>Cannot find the PLC driver index file 200590901222.dat</translation>
    </message>
    <message>
        <source>PLC驱动文件长度有误,无法下载</source>
        <translation>The PLC driver file has a wrong length, cannot download</translation>
    </message>
    <message>
        <source>画面描述</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>新  建</source>
        <translation>New</translation>
    </message>
    <message>
        <source>删  除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>新建画面(&amp;N)...</source>
        <translation>&amp;New Screen...</translation>
    </message>
    <message>
        <source>删除画面(&amp;D)...</source>
        <translation>&amp;Delete Screen...</translation>
    </message>
    <message>
        <source>复制画面(&amp;C)...</source>
        <translation>&amp;Copy Screen...</translation>
    </message>
    <message>
        <source>是否保存当前工程!</source>
        <translation>Save the current project?</translation>
    </message>
    <message>
        <source>该项目已存在，是否替换当前工程!</source>
        <translation>The project already exists. Replace it?</translation>
    </message>
    <message>
        <source>无法打开工程文件：文件不存在、已损坏或不是工程文件。</source>
        <translation>Cannot open the project file: it does not exist, is damaged or is not a project file.</translation>
    </message>
    <message>
        <source>无法保存工程文件。</source>
        <translation>Cannot save the project file.</translation>
    </message>
    <message>
        <source>工程文件“%1”是只读的，未保存。请用“另存为”保存。</source>
        <translation>The project file “%1” is read-only and was not saved. Use Save As to save it.</translation>
    </message>
    <message>
        <source>工程文件“%1”是只读的，是否仍然替换?</source>
        <translation>The project file “%1” is read-only. Replace it anyway?</translation>
    </message>
    <message>
        <source>工程文件 (*.ZORX *.ZOR)</source>
        <translation>Project files (*.ZORX *.ZOR)</translation>
    </message>
    <message>
        <source>工程文件 (*.ZORX)</source>
        <translation>Project files (*.ZORX)</translation>
    </message>
    <message>
        <source>位图文件 (*.bmp)</source>
        <translation>Bitmap files (*.bmp)</translation>
    </message>
    <message>
        <source>所有文件 (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <source>是</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>否</source>
        <translation>No</translation>
    </message>
    <message>
        <source>画面属性</source>
        <translation>Screen Properties</translation>
    </message>
    <message>
        <source> %d 号画面</source>
        <translation> Screen %d</translation>
    </message>
    <message>
        <source>画面描述:</source>
        <translation>Description:</translation>
    </message>
    <message>
        <source>按向上键至画面:</source>
        <translation>Up key goes to screen:</translation>
    </message>
    <message>
        <source>按向下键至画面:</source>
        <translation>Down key goes to screen:</translation>
    </message>
    <message>
        <source>宽:</source>
        <translation>Width:</translation>
    </message>
    <message>
        <source>高:</source>
        <translation>Height:</translation>
    </message>
    <message>
        <source>倍角</source>
        <translation>Double</translation>
    </message>
    <message>
        <source>反相</source>
        <translation>Inverse</translation>
    </message>
    <message>
        <source>文字串:</source>
        <translation>Text:</translation>
    </message>
    <message>
        <source>字体</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>类型:</source>
        <translation>Type:</translation>
    </message>
    <message>
        <source>寄存器个数:</source>
        <translation>Registers:</translation>
    </message>
    <message>
        <source>地址:</source>
        <translation>Address:</translation>
    </message>
    <message>
        <source>位:</source>
        <translation>Bit:</translation>
    </message>
    <message>
        <source>模式:</source>
        <translation>Mode:</translation>
    </message>
    <message>
        <source>十进制</source>
        <translation>Decimal</translation>
    </message>
    <message>
        <source>有符号数</source>
        <translation>Signed</translation>
    </message>
    <message>
        <source>浮点数</source>
        <translation>Floating point</translation>
    </message>
    <message>
        <source>小数位:</source>
        <translation>Decimals:</translation>
    </message>
    <message>
        <source>位数:</source>
        <translation>Digits:</translation>
    </message>
    <message>
        <source>设定</source>
        <translation>Settable</translation>
    </message>
    <message>
        <source>加密</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>上下限</source>
        <translation>Limits</translation>
    </message>
    <message>
        <source>数据:</source>
        <translation>Data:</translation>
    </message>
    <message>
        <source>输入上限:</source>
        <translation>Input max:</translation>
    </message>
    <message>
        <source>输入下限:</source>
        <translation>Input min:</translation>
    </message>
    <message>
        <source>工程量上限:</source>
        <translation>Eng. max:</translation>
    </message>
    <message>
        <source>工程量下限:</source>
        <translation>Eng. min:</translation>
    </message>
    <message>
        <source>种类:</source>
        <translation>Kind:</translation>
    </message>
    <message>
        <source>逻辑:</source>
        <translation>Logic:</translation>
    </message>
    <message>
        <source>位图类型:</source>
        <translation>Bitmap type:</translation>
    </message>
    <message>
        <source>位图逻辑:</source>
        <translation>Bitmap logic:</translation>
    </message>
    <message>
        <source>键:</source>
        <translation>Key:</translation>
    </message>
    <message>
        <source>手形</source>
        <translation>Hand</translation>
    </message>
    <message>
        <source>隐形</source>
        <translation>Hidden</translation>
    </message>
    <message>
        <source>设定线圈</source>
        <translation>Set coil</translation>
    </message>
    <message>
        <source>画面跳转</source>
        <translation>Go to screen</translation>
    </message>
    <message>
        <source>设定寄存器</source>
        <translation>Set register</translation>
    </message>
    <message>
        <source>设定为ON</source>
        <translation>Set ON</translation>
    </message>
    <message>
        <source>设定为OFF</source>
        <translation>Set OFF</translation>
    </message>
    <message>
        <source>取反</source>
        <translation>Toggle</translation>
    </message>
    <message>
        <source>瞬时ON</source>
        <translation>Momentary ON</translation>
    </message>
    <message>
        <source>跳转至:</source>
        <translation>Go to:</translation>
    </message>
    <message>
        <source>口令</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>报警列表</source>
        <translation>Alarm list</translation>
    </message>
    <message>
        <source>时间/日期</source>
        <translation>Time/date</translation>
    </message>
    <message>
        <source>参数:</source>
        <translation>Parameter:</translation>
    </message>
    <message>
        <source>格式:</source>
        <translation>Format:</translation>
    </message>
    <message>
        <source>满额度值:</source>
        <translation>Full-scale value:</translation>
    </message>
    <message>
        <source>零额度值:</source>
        <translation>Zero value:</translation>
    </message>
    <message>
        <source>方向:</source>
        <translation>Direction:</translation>
    </message>
    <message>
        <source>数据采集 (点):</source>
        <translation>Samples (points):</translation>
    </message>
    <message>
        <source>采样间隔 (秒):</source>
        <translation>Sampling interval (s):</translation>
    </message>
    <message>
        <source>字体:</source>
        <translation>Font:</translation>
    </message>
    <message>
        <source>字号:</source>
        <translation>Size:</translation>
    </message>
    <message>
        <source>初始画面号:</source>
        <translation>Initial screen:</translation>
    </message>
    <message>
        <source>口令(4数字):</source>
        <translation>Password (4 digits):</translation>
    </message>
    <message>
        <source>控制寄存器号:</source>
        <translation>Control register:</translation>
    </message>
    <message>
        <source>屏保时间:</source>
        <translation>Screen saver after:</translation>
    </message>
    <message>
        <source>显示画面</source>
        <translation>Show screen</translation>
    </message>
    <message>
        <source>关闭背景光</source>
        <translation>Switch the backlight off</translation>
    </message>
    <message>
        <source>PLC局号:</source>
        <translation>PLC station:</translation>
    </message>
    <message>
        <source>对应</source>
        <translation>Maps to</translation>
    </message>
    <message>
        <source>自动变换显示画面</source>
        <translation>Change the shown screen automatically</translation>
    </message>
    <message>
        <source>报告当前画面号</source>
        <translation>Report the current screen number</translation>
    </message>
    <message>
        <source>使用时钟模块</source>
        <translation>Use the clock module</translation>
    </message>
    <message>
        <source>采用模拟量数据</source>
        <translation>Use analog data</translation>
    </message>
    <message>
        <source>新建画面</source>
        <translation>New Screen</translation>
    </message>
    <message>
        <source>画面号:</source>
        <translation>Screen number:</translation>
    </message>
    <message>
        <source>复制画面</source>
        <translation>Copy Screen</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>Copy screen</translation>
    </message>
    <message>
        <source>号画面到</source>
        <translation>to screen</translation>
    </message>
    <message>
        <source>号画面</source>
        <translation>.</translation>
    </message>
    <message>
        <source>删除画面</source>
        <translation>Delete Screen</translation>
    </message>
    <message>
        <source>关于 ZOR</source>
        <translation>About ZOR</translation>
    </message>
    <message>
        <source>选择(&amp;S)</source>
        <translation>&amp;Select</translation>
    </message>
    <message>
        <source>选择</source>
        <translation>Select</translation>
    </message>
    <message>
        <source>直线(&amp;L)</source>
        <translation>&amp;Line</translation>
    </message>
    <message>
        <source>直线</source>
        <translation>Line</translation>
    </message>
    <message>
        <source>矩形(&amp;R)</source>
        <translation>&amp;Rectangle</translation>
    </message>
    <message>
        <source>矩形</source>
        <translation>Rectangle</translation>
    </message>
    <message>
        <source>文本(&amp;T)</source>
        <translation>&amp;Text</translation>
    </message>
    <message>
        <source>动态文本(&amp;D)</source>
        <translation>&amp;Dynamic Text</translation>
    </message>
    <message>
        <source>动态文本</source>
        <translation>Dynamic text</translation>
    </message>
    <message>
        <source>寄存器(&amp;G)</source>
        <translation>Re&amp;gister</translation>
    </message>
    <message>
        <source>寄存器</source>
        <translation>Register</translation>
    </message>
    <message>
        <source>指示灯(&amp;I)</source>
        <translation>&amp;Indicator</translation>
    </message>
    <message>
        <source>指示灯</source>
        <translation>Indicator</translation>
    </message>
    <message>
        <source>功能键(&amp;F)</source>
        <translation>&amp;Function Key</translation>
    </message>
    <message>
        <source>功能键</source>
        <translation>Function key</translation>
    </message>
    <message>
        <source>柱状图(&amp;A)</source>
        <translation>B&amp;ar Graph</translation>
    </message>
    <message>
        <source>柱状图</source>
        <translation>Bar graph</translation>
    </message>
    <message>
        <source>趋势图(&amp;N)</source>
        <translation>Tre&amp;nd Graph</translation>
    </message>
    <message>
        <source>趋势图</source>
        <translation>Trend graph</translation>
    </message>
    <message>
        <source>静态位图(&amp;B)</source>
        <translation>Static &amp;Bitmap</translation>
    </message>
    <message>
        <source>静态位图</source>
        <translation>Static bitmap</translation>
    </message>
    <message>
        <source>单色静态位图</source>
        <translation>Monochrome static bitmap</translation>
    </message>
    <message>
        <source>动态位图(&amp;Y)</source>
        <translation>D&amp;ynamic Bitmap</translation>
    </message>
    <message>
        <source>矢量静态文本(&amp;V)</source>
        <translation>&amp;Vector Static Text</translation>
    </message>
    <message>
        <source>矢量静态文本</source>
        <translation>Vector static text</translation>
    </message>
    <message>
        <source>矢量动态文本(&amp;C)</source>
        <translation>Vector Dynami&amp;c Text</translation>
    </message>
    <message>
        <source>矢量动态文本</source>
        <translation>Vector dynamic text</translation>
    </message>
    <message>
        <source>下载画面数据</source>
        <translation>Download the Screens</translation>
    </message>
    <message>
        <source>正在下载画面数据......</source>
        <translation>Downloading the screens......</translation>
    </message>
    <message>
        <source>取   消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>就绪</source>
        <translation>Ready</translation>
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
        <source>打开(&amp;O)</source>
        <translation>&amp;Open</translation>
    </message>
    <message>
        <source>保存(&amp;S)</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>另存为(&amp;A)...</source>
        <translation>Save &amp;As...</translation>
    </message>
    <message>
        <source>关闭工程(&amp;Q)</source>
        <translation>Close Project (&amp;Q)</translation>
    </message>
    <message>
        <source>类型选择(&amp;T)</source>
        <translation>Display &amp;Type</translation>
    </message>
    <message>
        <source>PLC通信串口选择(&amp;C)</source>
        <translation>Download &amp;Port</translation>
    </message>
    <message>
        <source>PLC及通讯参数选择(&amp;P)</source>
        <translation>&amp;PLC and Link Settings</translation>
    </message>
    <message>
        <source>下载数据(&amp;D)</source>
        <translation>&amp;Download</translation>
    </message>
    <message>
        <source>退出(&amp;X)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>编辑(&amp;E)</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>撤消(&amp;U)</source>
        <translation>&amp;Undo</translation>
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
        <source>删除(&amp;D)</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>视图(&amp;V)</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>绘图工具栏(&amp;D)</source>
        <translation>&amp;Drawing Toolbar</translation>
    </message>
    <message>
        <source>状态栏(&amp;S)</source>
        <translation>&amp;Status Bar</translation>
    </message>
    <message>
        <source>工具(&amp;T)</source>
        <translation>&amp;Tools</translation>
    </message>
    <message>
        <source>新建画面(&amp;N)</source>
        <translation>&amp;New Screen</translation>
    </message>
    <message>
        <source>复制画面(&amp;C)</source>
        <translation>&amp;Copy Screen</translation>
    </message>
    <message>
        <source>删除画面(&amp;D)</source>
        <translation>&amp;Delete Screen</translation>
    </message>
    <message>
        <source>报警列表(&amp;A)</source>
        <translation>&amp;Alarm List</translation>
    </message>
    <message>
        <source>系统设置(&amp;O)</source>
        <translation>System Setting&amp;s</translation>
    </message>
    <message>
        <source>显示网格点(&amp;G)</source>
        <translation>Show &amp;Grid</translation>
    </message>
    <message>
        <source>绘制(&amp;D)</source>
        <translation>&amp;Draw</translation>
    </message>
    <message>
        <source>帮助(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>关于 Tavelo(&amp;A)...</source>
        <translation>&amp;About Tavelo...</translation>
    </message>
    <message>
        <source>用户手册(&amp;U)</source>
        <translation>&amp;User Manual</translation>
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
        <source>粘贴</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>删除选中元件</source>
        <translation>Delete the selected elements</translation>
    </message>
    <message>
        <source>系统设置</source>
        <translation>System settings</translation>
    </message>
    <message>
        <source>下载</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>左对齐</source>
        <translation>Align left</translation>
    </message>
    <message>
        <source>右对齐</source>
        <translation>Align right</translation>
    </message>
    <message>
        <source>上对齐</source>
        <translation>Align top</translation>
    </message>
    <message>
        <source>下对齐</source>
        <translation>Align bottom</translation>
    </message>
    <message>
        <source>选中元件左对齐</source>
        <translation>Align the selected elements' left edges</translation>
    </message>
    <message>
        <source>选中元件右对齐</source>
        <translation>Align the selected elements' right edges</translation>
    </message>
    <message>
        <source>选中元件上对齐</source>
        <translation>Align the selected elements' top edges</translation>
    </message>
    <message>
        <source>选中元件下对齐</source>
        <translation>Align the selected elements' bottom edges</translation>
    </message>
    <message>
        <source>找不到帮助文件，请重新安装软件</source>
        <translation>The manual cannot be found; please install the program again</translation>
    </message>
    <message>
        <source>请安装PDF文档阅读器</source>
        <translation>Please install a PDF reader</translation>
    </message>
    <message>
        <source>无法打开帮助文件，请重装软件并确保电脑上安装了PDF阅读器</source>
        <translation>Cannot open the manual; please install the program again and make sure a PDF reader is installed</translation>
    </message>
    <message>
        <source>模拟运行</source>
        <translation>Simulation</translation>
    </message>
    <message>
        <source>重新载入</source>
        <translation>Reload</translation>
    </message>
    <message>
        <source>重新编译工程，并在当前画面重新开始运行</source>
        <translation>Compile the project again and restart it on the current screen</translation>
    </message>
    <message>
        <source>放大:</source>
        <translation>Scale:</translation>
    </message>
    <message>
        <source>每个液晶点占的屏幕像素数</source>
        <translation>Screen pixels per LCD dot</translation>
    </message>
    <message>
        <source>PLC数据:</source>
        <translation>PLC data:</translation>
    </message>
    <message>
        <source>数值表</source>
        <translation>Value table</translation>
    </message>
    <message>
        <source>Modbus设备</source>
        <translation>Modbus device</translation>
    </message>
    <message>
        <source>连接:</source>
        <translation>Link:</translation>
    </message>
    <message>
        <source>tcp:主机[:端口]（默认端口502）或 rtu:串口设备（波特率、校验、数据位、停止位取工程的通讯参数）</source>
        <translation>tcp:HOST[:PORT] (port 502 by default) or rtu:DEVICE (baud rate, parity, data and stop bits from the project's link settings)</translation>
    </message>
    <message>
        <source>周期(ms):</source>
        <translation>Period (ms):</translation>
    </message>
    <message>
        <source>轮询当前画面地址的周期</source>
        <translation>How often the addresses of the current screen are polled</translation>
    </message>
    <message>
        <source>没有打开的工程</source>
        <translation>No project is open</translation>
    </message>
    <message>
        <source>工程无法编译：</source>
        <translation>The project cannot be compiled: </translation>
    </message>
    <message>
        <source>运行中：画面 %1</source>
        <translation>Running: screen %1</translation>
    </message>
    <message>
        <source>PLC类型为“%1”，不是Modbus(RTU)：只能用数值表模拟</source>
        <translation>The PLC type is “%1”, not Modbus(RTU): only the value table can be used</translation>
    </message>
    <message>
        <source>通讯故障：</source>
        <translation>Link fault: </translation>
    </message>
    <message>
        <source>Modbus 通讯正常（%1）</source>
        <translation>Modbus link working (%1)</translation>
    </message>
    <message>
        <source>连接地址无效：</source>
        <translation>Invalid link: </translation>
    </message>
    <message>
        <source>%1 (F%2) — 键盘: %3</source>
        <translation>%1 (F%2) — keyboard: %3</translation>
    </message>
    <message>
        <source>PLC数值表</source>
        <translation>PLC values</translation>
    </message>
    <message>
        <source>站号</source>
        <translation>Station</translation>
    </message>
    <message>
        <source>单元</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>地址</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>位</source>
        <translation>Bit</translation>
    </message>
    <message>
        <source>字节数</source>
        <translation>Bytes</translation>
    </message>
    <message>
        <source>趋势</source>
        <translation>Trend</translation>
    </message>
    <message>
        <source>使用者</source>
        <translation>Used by</translation>
    </message>
    <message>
        <source>无</source>
        <translation>None</translation>
    </message>
    <message>
        <source>斜坡</source>
        <translation>Ramp</translation>
    </message>
    <message>
        <source>正弦</source>
        <translation>Sine</translation>
    </message>
    <message>
        <source>随机</source>
        <translation>Random</translation>
    </message>
    <message>
        <source>载入...</source>
        <translation>Load...</translation>
    </message>
    <message>
        <source>保存...</source>
        <translation>Save...</translation>
    </message>
    <message>
        <source>数值文件 (*.json *.csv)</source>
        <translation>Values files (*.json *.csv)</translation>
    </message>
    <message>
        <source>“%1”不是该地址可用的数值</source>
        <translation>“%1” is not a value this address can take</translation>
    </message>
    <message>
        <source>检查工程</source>
        <translation>Check Project</translation>
    </message>
    <message>
        <source>检查工程中下载后会出错的地方</source>
        <translation>Find what would go wrong on the panel after download</translation>
    </message>
    <message>
        <source>地址交叉引用</source>
        <translation>Address Cross-Reference</translation>
    </message>
    <message>
        <source>导出报告</source>
        <translation>Export Report</translation>
    </message>
    <message>
        <source>导出报警列表</source>
        <translation>Export Alarm List</translation>
    </message>
    <message>
        <source>导入报警列表</source>
        <translation>Import Alarm List</translation>
    </message>
    <message>
        <source>导出画面列表</source>
        <translation>Export Screen List</translation>
    </message>
    <message>
        <source>点阵预览</source>
        <translation>Dot Preview</translation>
    </message>
    <message>
        <source>放大(&amp;I)</source>
        <translation>Zoom &amp;In</translation>
    </message>
    <message>
        <source>缩小(&amp;O)</source>
        <translation>Zoom &amp;Out</translation>
    </message>
    <message>
        <source>适合窗口(&amp;F)</source>
        <translation>Zoom to &amp;Fit</translation>
    </message>
    <message>
        <source>每点像素数</source>
        <translation>Pixels per dot</translation>
    </message>
    <message>
        <source>%1 像素/点</source>
        <translation>%1 px/dot</translation>
    </message>
    <message>
        <source>选中 X:%1 Y:%2 宽:%3 高:%4</source>
        <translation>Selected X:%1 Y:%2 W:%3 H:%4</translation>
    </message>
    <message>
        <source>点阵预览不可用：%1</source>
        <translation>Dot preview unavailable: %1</translation>
    </message>
    <message>
        <source>PLC驱动文件夹(&amp;R)...</source>
        <translation>PLC D&amp;river Folder...</translation>
    </message>
    <message>
        <source>选择PLC驱动文件夹</source>
        <translation>Choose PLC Driver Folder</translation>
    </message>
    <message>
        <source>错误</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>画面 %d 位于 (%d, %d) 的</source>
        <translation>Screen %d, at (%d, %d): </translation>
    </message>
    <message>
        <source>系统设置的控制寄存器</source>
        <translation>The system settings' control register</translation>
    </message>
    <message>
        <source>含有面板字库中没有的字符，面板上显示为实心方块：</source>
        <translation> contains characters the panel's font lacks, shown as solid blocks: </translation>
    </message>
    <message>
        <source>含有字体中没有的字符：</source>
        <translation> contains characters its font lacks: </translation>
    </message>
    <message>
        <source>的字体无法使用：</source>
        <translation>'s font cannot be used: </translation>
    </message>
    <message>
        <source>第 %d 条报警含有面板字库中没有的字符，面板上显示为实心方块：</source>
        <translation>Alarm %d contains characters the panel's font lacks, shown as solid blocks: </translation>
    </message>
    <message>
        <source>超出显示屏：画到 (%d, %d)，显示屏为 %d × %d 点</source>
        <translation> is off the display: drawn to (%d, %d), the display is %d × %d dots</translation>
    </message>
    <message>
        <source>与位于 (%d, %d) 的</source>
        <translation> overlaps the element at (%d, %d) (</translation>
    </message>
    <message>
        <source>重叠</source>
        <translation>)</translation>
    </message>
    <message>
        <source>跳转到不存在的画面 %d</source>
        <translation> jumps to screen %d, which does not exist</translation>
    </message>
    <message>
        <source>画面 %d 的上翻画面 %d 不存在</source>
        <translation>Screen %d's page-up screen %d does not exist</translation>
    </message>
    <message>
        <source>画面 %d 的下翻画面 %d 不存在</source>
        <translation>Screen %d's page-down screen %d does not exist</translation>
    </message>
    <message>
        <source>系统设置的初始画面 %d 不存在</source>
        <translation>The initial screen %d of the system settings does not exist</translation>
    </message>
    <message>
        <source>与位于 (%d, %d) 的功能键使用同一个键：</source>
        <translation> uses the same key as the function key at (%d, %d): </translation>
    </message>
    <message>
        <source>的地址类型 %d 不在当前 PLC 类型中</source>
        <translation>'s address type %d is not in the current PLC type</translation>
    </message>
    <message>
        <source>的地址 %d 超出范围 %d～%d，单元：</source>
        <translation>'s address %d is outside %d–%d, unit: </translation>
    </message>
    <message>
        <source>从地址 %d 起的 %d 个寄存器超出上限 %d，单元：</source>
        <translation>: from address %d, %d registers go beyond the limit %d, unit: </translation>
    </message>
    <message>
        <source>的位 %d 超出范围 %d～%d，单元：</source>
        <translation>'s bit %d is outside %d–%d, unit: </translation>
    </message>
    <message>
        <source>的寄存器个数 %d 超出范围 1～%d，单元：</source>
        <translation>'s register count %d is outside 1–%d, unit: </translation>
    </message>
    <message>
        <source>的局号 %d 超出范围 %d～%d</source>
        <translation>'s station %d is outside %d–%d</translation>
    </message>
    <message>
        <source>下载数据共 %d 字节，面板最多 %d 字节：</source>
        <translation>The download data has %d bytes, the panel holds at most %d: </translation>
    </message>
    <message>
        <source>无法编译下载数据，显示位置未能检查：</source>
        <translation>The download data could not be compiled, positions were not checked: </translation>
    </message>
    <message>
        <source>检查</source>
        <translation>Check</translation>
    </message>
    <message>
        <source>没有发现问题</source>
        <translation>No problems found</translation>
    </message>
    <message>
        <source>%d 个错误，%d 个警告</source>
        <translation>%d errors, %d warnings</translation>
    </message>
    <message>
        <source>下载数据 %d / %d 字节 (%d%)</source>
        <translation>Download data %d / %d bytes (%d%)</translation>
    </message>
    <message>
        <source>工程检查发现 %d 个错误，下载后面板可能无法正常显示。仍然下载吗？</source>
        <translation>The project check found %d errors; the panel may not display correctly after download. Download anyway?</translation>
    </message>
    <message>
        <source>筛选:</source>
        <translation>Filter:</translation>
    </message>
    <message>
        <source>静态文本</source>
        <translation>Static text</translation>
    </message>
    <message>
        <source>矢量文本</source>
        <translation>Vector text</translation>
    </message>
    <message>
        <source>棒图</source>
        <translation>Bar graph</translation>
    </message>
    <message>
        <source>元件</source>
        <translation>Element</translation>
    </message>
    <message>
        <source>字库</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>位图</source>
        <translation>Bitmaps</translation>
    </message>
    <message>
        <source>报警</source>
        <translation>Alarms</translation>
    </message>
    <message>
        <source>系统</source>
        <translation>System</translation>
    </message>
    <message>
        <source>局号</source>
        <translation>Station</translation>
    </message>
    <message>
        <source>读写</source>
        <translation>Read/write</translation>
    </message>
    <message>
        <source>读</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>写</source>
        <translation>Write</translation>
    </message>
    <message>
        <source>已导入 %1 条报警。</source>
        <translation>%1 alarms imported.</translation>
    </message>
    <message>
        <source>第 %d 行未导入：</source>
        <translation>Line %d not imported: </translation>
    </message>
    <message>
        <source>第 %d 行超过 24 列，已截为：</source>
        <translation>Line %d is longer than 24 columns, cut to: </translation>
    </message>
    <message>
        <source>连接：局号 %d，%d 波特，%d 位数据，%d 位停止，校验：</source>
        <translation>Link: station %d, %d baud, %d data bits, %d stop bits, parity: </translation>
    </message>
    <message>
        <source>奇</source>
        <translation>odd</translation>
    </message>
    <message>
        <source>偶</source>
        <translation>even</translation>
    </message>
    <message>
        <source>初始画面：%d</source>
        <translation>Initial screen: %d</translation>
    </message>
    <message>
        <source>密码：</source>
        <translation>Password: </translation>
    </message>
    <message>
        <source>已设置</source>
        <translation>set</translation>
    </message>
    <message>
        <source>未设置</source>
        <translation>not set</translation>
    </message>
    <message>
        <source>屏幕保护：%d 分钟后</source>
        <translation>Screen saver: after %d minutes, </translation>
    </message>
    <message>
        <source>显示画面 </source>
        <translation>show screen </translation>
    </message>
    <message>
        <source>关闭背光</source>
        <translation>backlight off</translation>
    </message>
    <message>
        <source>控制寄存器：局号 %d，地址 %d，功能：</source>
        <translation>Control register: station %d, address %d, functions: </translation>
    </message>
    <message>
        <source>自动换画面 </source>
        <translation>screen change </translation>
    </message>
    <message>
        <source>报告当前画面 </source>
        <translation>current screen report </translation>
    </message>
    <message>
        <source>时钟 </source>
        <translation>clock </translation>
    </message>
    <message>
        <source>画面数：%d，元件数：%d，报警数：%d</source>
        <translation>Screens: %d, elements: %d, alarms: %d</translation>
    </message>
    <message>
        <source>工程检查：</source>
        <translation>Project check: </translation>
    </message>
    <message>
        <source>画面 %d  </source>
        <translation>Screen %d  </translation>
    </message>
    <message>
        <source>下载数据未能生成，画面无法显示。</source>
        <translation>The download data could not be made, so the screen cannot be shown.</translation>
    </message>
    <message>
        <source>此画面没有元件。</source>
        <translation>This screen has no elements.</translation>
    </message>
    <message>
        <source>没有报警。</source>
        <translation>No alarms.</translation>
    </message>
    <message>
        <source>工程没有使用 PLC 地址。</source>
        <translation>The project uses no PLC addresses.</translation>
    </message>
    <message>
        <source>检查结果</source>
        <translation>Check Results</translation>
    </message>
    <message>
        <source>位置</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>级别</source>
        <translation>Severity</translation>
    </message>
    <message>
        <source>代码</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>说明</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>局号 %d，</source>
        <translation>Station %d, </translation>
    </message>
    <message>
        <source> 地址 %d，位 %d</source>
        <translation> address %d, bit %d</translation>
    </message>
    <message>
        <source>调试报告</source>
        <translation>Commissioning Report</translation>
    </message>
    <message>
        <source>工程：</source>
        <translation>Project: </translation>
    </message>
    <message>
        <source>型号：</source>
        <translation>Model: </translation>
    </message>
    <message>
        <source>，</source>
        <translation>, </translation>
    </message>
    <message>
        <source>PLC 类型：</source>
        <translation>PLC type: </translation>
    </message>
    <message>
        <source>重做(&amp;R)</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>全选(&amp;A)</source>
        <translation>Select &amp;All</translation>
    </message>
    <message>
        <source>撤消</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>重做</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>剪贴板中有无法识别的元件，不能粘贴。</source>
        <translation>The clipboard holds elements that cannot be recognised; nothing was pasted.</translation>
    </message>
    <message>
        <source>放置元件</source>
        <translation>Place element</translation>
    </message>
    <message>
        <source>移动元件</source>
        <translation>Move elements</translation>
    </message>
    <message>
        <source>对齐元件</source>
        <translation>Align elements</translation>
    </message>
    <message>
        <source>删除元件</source>
        <translation>Delete elements</translation>
    </message>
    <message>
        <source>修改属性</source>
        <translation>Change property</translation>
    </message>
    <message>
        <source>PLC及通讯参数</source>
        <translation>PLC and link</translation>
    </message>
    <message>
        <source>通信串口</source>
        <translation>Serial port</translation>
    </message>
    <message>
        <source>类型选择</source>
        <translation>Model choice</translation>
    </message>
</context>
</TS>
