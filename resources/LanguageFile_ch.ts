<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>FramelessDialog</name>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>ImportRecordFile</name>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>浏览</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>导入</translation>
    </message>
    <message>
        <source>Open Directory</source>
        <translation>打开文件夹</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>打开文件</translation>
    </message>
    <message>
        <source>Path can not be empty!</source>
        <translation>路径不能为空！</translation>
    </message>
    <message>
        <source>Select a file</source>
        <translation>选择文件</translation>
    </message>
    <message>
        <source>Select a folder</source>
        <translation>选择文件夹</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>静音</translation>
    </message>
    <message>
        <source>Next recording</source>
        <translation>下一条录音</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>Previous recording</source>
        <translation>上一条录音</translation>
    </message>
    <message>
        <source>Unmute</source>
        <translation>取消静音</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>All Call</source>
        <translation>全呼</translation>
    </message>
    <message>
        <source>All Type</source>
        <translation>所有</translation>
    </message>
    <message>
        <source>Are you sure want to delete these files?</source>
        <translation>确定要删除这些文件吗？</translation>
    </message>
    <message>
        <source>Are you sure want to delete?</source>
        <translation>确定要删除吗？</translation>
    </message>
    <message>
        <source>Call Record</source>
        <translation>通话录音</translation>
    </message>
    <message>
        <source>Call Type</source>
        <translation>呼叫类型</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>清空列表</translation>
    </message>
    <message>
        <source>End Date</source>
        <translation>结束日期</translation>
    </message>
    <message>
        <source>End Time</source>
        <translation>结束时间</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>导出</translation>
    </message>
    <message>
        <source>Fail to rename!</source>
        <translation>重命名失败！</translation>
    </message>
    <message>
        <source>File does not exist!</source>
        <translation>文件不存在！</translation>
    </message>
    <message>
        <source>Folder does not exist!</source>
        <translation>文件夹不存在！</translation>
    </message>
    <message>
        <source>GO</source>
        <translation>跳转</translation>
    </message>
    <message>
        <source>Group Call</source>
        <translation>组呼</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>首页</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>导入</translation>
    </message>
    <message>
        <source>%1×</source>
        <translation>%1倍</translation>
    </message>
    <message>
        <source>Playback speed: [ slower, ] faster</source>
        <translation>播放速度：[ 减慢，] 加快</translation>
    </message>
    <message>
        <source>Invalid File:</source>
        <translation>无效文件：</translation>
    </message>
    <message>
        <source>Invert Select</source>
        <translation>反选</translation>
    </message>
    <message>
        <source>Keyword</source>
        <translation>关键字</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>LanguageID</source>
        <translation>0804</translation>
    </message>
    <message>
        <source>LanguageName</source>
        <translation>中文</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>尾页</translation>
    </message>
    <message>
        <source>List of Record Files</source>
        <translation>录音文件列表</translation>
    </message>
    <message>
        <source>ListNumber</source>
        <translation>列表个数</translation>
    </message>
    <message>
        <source>Live Record</source>
        <translation>现场录音</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>下一页</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Only some files export successfully, please check!</source>
        <translation>部分文件导出失败，请检查！</translation>
    </message>
    <message>
        <source>Other Record</source>
        <translation>其他录音</translation>
    </message>
    <message>
        <source>Other Type</source>
        <translation>其他类型</translation>
    </message>
    <message>
        <source>Path error or can&apos;t write!</source>
        <translation>路径错误或无法写入！</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>播放</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>上一页</translation>
    </message>
    <message>
        <source>Private Call</source>
        <translation>单呼</translation>
    </message>
    <message>
        <source>ReName</source>
        <translation>重命名</translation>
    </message>
    <message>
        <source>Ovelia</source>
        <translation>Ovelia</translation>
    </message>
    <message>
        <source>Recording Type</source>
        <translation>录音类型</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>重命名</translation>
    </message>
    <message>
        <source>Save Directory</source>
        <translation>保存至</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>查询</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>全选</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Start Date</source>
        <translation>开始日期</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>开始时间</translation>
    </message>
    <message>
        <source>Start time is greater than the end time!</source>
        <translation>开始时间晚于结束时间！</translation>
    </message>
    <message>
        <source>Success!</source>
        <translation>操作成功！</translation>
    </message>
    <message>
        <source>The list could not be stored (%1)!</source>
        <translation>列表无法保存（%1）！</translation>
    </message>
    <message>
        <source>The recordings could not all be read (%1): %2</source>
        <translation>未能读取全部录音（%1）：%2</translation>
    </message>
    <message>
        <source>%1 entries left out: their names are not valid!</source>
        <translation>已略去 %1 个条目：其名称无效！</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>刷新</translation>
    </message>
    <message>
        <source>The files were deleted, but the list could not be updated!</source>
        <translation>文件已删除，但列表无法更新！</translation>
    </message>
    <message>
        <source>Total Selected File(s)</source>
        <translation>已选文件总数</translation>
    </message>
    <message>
        <source>ZRN All Call</source>
        <translation>ZRN全呼</translation>
    </message>
    <message>
        <source>ZRN Emergency Call</source>
        <translation>ZRN紧急呼叫</translation>
    </message>
    <message>
        <source>ZRN Group Call</source>
        <translation>ZRN组呼</translation>
    </message>
    <message>
        <source>ZRN Private Call</source>
        <translation>ZRN单呼</translation>
    </message>
    <message>
        <source>Only some files were deleted, please check!</source>
        <translation>部分文件删除失败，请检查！</translation>
    </message>
    <message>
        <source>Exporting, please wait... %1/%2</source>
        <translation>正在导出，请稍候... %1/%2</translation>
    </message>
    <message>
        <source>ID Names...</source>
        <translation>ID 名称...</translation>
    </message>
    <message>
        <source>ID Names</source>
        <translation>ID 名称</translation>
    </message>
    <message>
        <source>Not taken: %1</source>
        <translation>未采用：%1</translation>
    </message>
    <message>
        <source>Not kept for the next start: %1</source>
        <translation>未能保存供下次启动使用：%1</translation>
    </message>
    <message>
        <source>The kept list was not read: %1</source>
        <translation>未能读取已保存的列表：%1</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>第 %1 行：%2</translation>
    </message>
    <message>
        <source>the header has %2 fields, this row %1</source>
        <translation>标题行有 %2 个字段，此行有 %1 个</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an ID (0 to %2)</source>
        <translation>“%1”不是 ID（0 到 %2）</translation>
    </message>
    <message>
        <source>the name is empty</source>
        <translation>名称为空</translation>
    </message>
    <message>
        <source>kind &quot;%1&quot; is not radio or group</source>
        <translation>类型“%1”不是 radio 或 group</translation>
    </message>
    <message>
        <source>ID %1 of this kind is named on line %2 too</source>
        <translation>同类 ID %1 在第 %2 行已命名</translation>
    </message>
    <message>
        <source>text after a closing quote</source>
        <translation>右引号后有文字</translation>
    </message>
    <message>
        <source>a quote is not closed</source>
        <translation>引号未闭合</translation>
    </message>
    <message>
        <source>not UTF-8 text</source>
        <translation>不是 UTF-8 文本</translation>
    </message>
    <message>
        <source>no header row</source>
        <translation>没有标题行</translation>
    </message>
    <message>
        <source>no &quot;id&quot; column</source>
        <translation>没有“id”列</translation>
    </message>
    <message>
        <source>no &quot;name&quot; column</source>
        <translation>没有“name”列</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>不是普通文件</translation>
    </message>
    <message>
        <source>larger than 16 MiB</source>
        <translation>大于 16 MiB</translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation>无法创建文件夹 %1</translation>
    </message>
</context>
<context>
    <name>RenameDialog</name>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>A file name cannot begin with a dot, please re-modify!</source>
        <translation>文件名不能以点开头，请重新修改！</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>文件名</translation>
    </message>
    <message>
        <source>File name exists, please re-modify!</source>
        <translation>文件名已存在，请重新修改！</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>重命名</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>TableModel</name>
    <message>
        <source>Call ID</source>
        <translation>被叫ID</translation>
    </message>
    <message>
        <source>Call Type</source>
        <translation>呼叫类型</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>时长</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>文件名</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>序号</translation>
    </message>
    <message>
        <source>Radio ID</source>
        <translation>终端ID</translation>
    </message>
    <message>
        <source>Receive Freq.</source>
        <translation>接收频率</translation>
    </message>
    <message>
        <source>Recording Type</source>
        <translation>录音类型</translation>
    </message>
    <message>
        <source>Talker ID</source>
        <translation>主叫ID</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>Transmit Freq.</source>
        <translation>发射频率</translation>
    </message>
</context>
<context>
    <name>TipDlg</name>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>导入</translation>
    </message>
    <message>
        <source>Importing, please wait...</source>
        <translation>正在导入，请稍候...</translation>
    </message>
</context>
</TS>
