<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CFeedback</name>
    <message>
        <source>Mobile Phone Brand</source>
        <translation>手机品牌</translation>
    </message>
    <message>
        <source>Phone Model</source>
        <translation>手机型号</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>意见反馈</translation>
    </message>
    <message>
        <source>Write your comments, suggestions, or questions here...</source>
        <translation>请在此填写您的意见、建议或问题…</translation>
    </message>
    <message>
        <source>Crash Report</source>
        <translation>崩溃报告</translation>
    </message>
    <message>
        <source>Please tell us how you were using the program when it crashed.</source>
        <translation>请告诉我们程序崩溃时您正在进行什么操作。</translation>
    </message>
    <message>
        <source>Please provide as much detail as you can. That will help us quickly and correctly understand the problem you met.</source>
        <translation>请尽可能详细地描述问题，这将帮助我们快速、准确地了解您遇到的问题。</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>提交</translation>
    </message>
    <message>
        <source>Screen capture:</source>
        <translation>截图：</translation>
    </message>
    <message>
        <source>Attach pictures:</source>
        <translation>添加图片：</translation>
    </message>
    <message>
        <source>iOS Version:</source>
        <translation>iOS 版本：</translation>
    </message>
    <message>
        <source>Android Version:</source>
        <translation>Android 版本：</translation>
    </message>
    <message>
        <source>Hides this window while you select a part of the screen.</source>
        <translation>选择屏幕区域时，此窗口会暂时隐藏。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Screenshot %1</source>
        <translation>截图 %1</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>移除 %1</translation>
    </message>
    <message>
        <source>Your report is saved and will be sent automatically.</source>
        <translation>您的报告已保存，稍后将自动发送。</translation>
    </message>
    <message>
        <source>Save report as file…</source>
        <translation>将报告另存为文件…</translation>
    </message>
    <message>
        <source>Save report as file</source>
        <translation>将报告另存为文件</translation>
    </message>
    <message>
        <source>Mail (*.eml)</source>
        <translation>邮件 (*.eml)</translation>
    </message>
    <message>
        <source>The report could not be saved to %1.</source>
        <translation>无法将报告保存到 %1。</translation>
    </message>
    <message>
        <source>Draft restored.</source>
        <translation>已恢复草稿。</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>丢弃</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Picture(*.jpg *.png *.bmp *.gif)</source>
        <translation>图片(*.jpg *.png *.bmp *.gif)</translation>
    </message>
    <message>
        <source>Failed to upload pictures! Please try again.</source>
        <translation>图片添加失败！请重试。</translation>
    </message>
    <message>
        <source>What is sent?</source>
        <translation>将发送哪些内容？</translation>
    </message>
    <message>
        <source>Database files too large to send (about %1, limit %2)</source>
        <translation>数据库文件过大，无法发送（约 %1，上限 %2）</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>约 %1</translation>
    </message>
    <message>
        <source>Getting the mail settings…</source>
        <translation>正在获取邮件设置…</translation>
    </message>
    <message>
        <source>Packing the files…</source>
        <translation>正在打包文件…</translation>
    </message>
    <message>
        <source>Connecting to the mail server…</source>
        <translation>正在连接邮件服务器…</translation>
    </message>
    <message>
        <source>Sending: %1 of %2</source>
        <translation>正在发送：%1 / %2</translation>
    </message>
    <message>
        <source>Cancelling…</source>
        <translation>正在取消…</translation>
    </message>
    <message>
        <source>Submitted Successfully!</source>
        <translation>提交成功！</translation>
    </message>
    <message>
        <source>&lt;p&gt;Your feedback is highly appreciated. We&apos;ll handle it soon. &lt;a href = &quot;rewrite&quot;&gt;&lt;span style=&quot; underline; %1&quot;&gt;Provide more feedback&gt;&gt;&lt;/a&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;非常感谢您的反馈，我们会尽快处理。 &lt;a href = &quot;rewrite&quot;&gt;&lt;span style=&quot; underline; %1&quot;&gt;继续反馈&gt;&gt;&lt;/a&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Failed to submit your feedback.</source>
        <translation>反馈提交失败。</translation>
    </message>
    <message>
        <source>&lt;p&gt; Please make sure that your network connection is active, and then &lt;a href = &quot;try again&quot;&gt;&lt;span style=&quot; underline; %1 &quot;&gt;try again&lt;/span&gt;&lt;/a&gt;.&lt;/p&gt;</source>
        <translation>&lt;p&gt; 请确认网络连接正常，然后&lt;a href = &quot;try again&quot;&gt;&lt;span style=&quot; underline; %1 &quot;&gt;重试&lt;/span&gt;&lt;/a&gt;。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Failed for an unknown error!</source>
        <translation>因未知错误提交失败！</translation>
    </message>
    <message>
        <source>&lt;p&gt; Please &lt;a href = &quot;try again&quot;&gt;&lt;span style=&quot; underline; %1 &quot;&gt;try again&lt;/span&gt;&lt;/a&gt;. If it fails again, please send an email to &lt;a href = &quot;%3&quot;&gt;&lt;span style=&quot; underline; %2&quot;&gt;%3&lt;/span&gt;&lt;/a&gt;.&lt;/p&gt;</source>
        <translation>&lt;p&gt; 请&lt;a href = &quot;try again&quot;&gt;&lt;span style=&quot; underline; %1 &quot;&gt;重试&lt;/span&gt;&lt;/a&gt;。如果仍然失败，请发送邮件至 &lt;a href = &quot;%3&quot;&gt;&lt;span style=&quot; underline; %2&quot;&gt;%3&lt;/span&gt;&lt;/a&gt;。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Reference: %1</source>
        <translation>参考编号：%1</translation>
    </message>
    <message>
        <source>Email:</source>
        <translation>邮箱：</translation>
    </message>
    <message>
        <source>*</source>
        <translation>*</translation>
    </message>
    <message>
        <source>Enter your email address</source>
        <translation>请输入您的邮箱地址</translation>
    </message>
    <message>
        <source>Invalid email address!</source>
        <translation>邮箱地址无效！</translation>
    </message>
    <message>
        <source>Content:</source>
        <translation>内容：</translation>
    </message>
    <message>
        <source>Write your comments, suggestions, or questions here…</source>
        <translation>请在此填写您的意见、建议或问题…</translation>
    </message>
    <message>
        <source>Computer OS:</source>
        <translation>电脑系统：</translation>
    </message>
    <message>
        <source> iTunes Version：</source>
        <translation> iTunes 版本：</translation>
    </message>
    <message>
        <source>Attach Log Files </source>
        <translation>附加日志文件</translation>
    </message>
    <message>
        <source>Attach Database Files </source>
        <translation>附加数据库文件</translation>
    </message>
    <message>
        <source>Note: Database files include the personal data on your device or in your backup files.</source>
        <translation>注意：数据库文件包含您设备或备份文件中的个人数据。</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>TextLabel</translation>
    </message>
    <message>
        <source>Submitting...</source>
        <translation>正在提交…</translation>
    </message>
    <message>
        <source>Your report could not be saved for a later attempt.</source>
        <translation>无法保存您的报告以便稍后重试。</translation>
    </message>
    <message>
        <source>Waiting for the copy being sent in the background…</source>
        <translation>正在等待后台发送的副本…</translation>
    </message>
</context>
<context>
    <name>CPictureEditor</name>
    <message>
        <source>Hide parts of the picture</source>
        <translation>隐藏图片的部分内容</translation>
    </message>
    <message>
        <source>Drag over what should not be sent. It is blacked out in the picture that is sent.</source>
        <translation>拖动鼠标框选不应发送的内容，发送的图片中这些部分将被涂黑。</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>图片</translation>
    </message>
    <message>
        <source>This picture cannot be edited.</source>
        <translation>无法编辑此图片。</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>The picture could not be saved.</source>
        <translation>无法保存图片。</translation>
    </message>
</context>
<context>
    <name>CReportDetails</name>
    <message>
        <source>What is sent?</source>
        <translation>将发送哪些内容？</translation>
    </message>
    <message>
        <source>This is what the report carries if you submit it now.</source>
        <translation>如果现在提交，报告将包含以下内容。</translation>
    </message>
    <message>
        <source>Report text</source>
        <translation>报告正文</translation>
    </message>
    <message>
        <source>Composing…</source>
        <translation>正在生成…</translation>
    </message>
    <message>
        <source>Attached files</source>
        <translation>附件</translation>
    </message>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>大小</translation>
    </message>
    <message>
        <source>Screenshots and pictures</source>
        <translation>截图和图片</translation>
    </message>
    <message>
        <source>Working out the size…</source>
        <translation>正在计算大小…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 字节</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 KB</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>The mail: about %1</source>
        <translation>邮件大小：约 %1</translation>
    </message>
    <message>
        <source>An archive of the files below</source>
        <translation>包含以下文件的压缩包</translation>
    </message>
    <message>
        <source>about %1</source>
        <translation>约 %1</translation>
    </message>
    <message>
        <source>Too large to send (limit %1)</source>
        <translation>过大，无法发送（上限 %1）</translation>
    </message>
    <message numerus="yes">
        <source>and %n more file(s)</source>
        <translation>
            <numerusform>以及其他 %n 个文件</numerusform>
        </translation>
    </message>
    <message>
        <source>(no files)</source>
        <translation>（无文件）</translation>
    </message>
    <message>
        <source>No files: only the text is sent.</source>
        <translation>没有文件：只发送文字内容。</translation>
    </message>
    <message>
        <source>Mask them in the sent copy</source>
        <translation>在发送的副本中屏蔽这些内容</translation>
    </message>
    <message>
        <source>The logs are sent with each of these replaced by &lt;email&gt;, &lt;secret&gt; or ~. The log files on your computer are not changed.</source>
        <translation>发送的日志中，这些内容会被替换为 &lt;email&gt;、&lt;secret&gt; 或 ~。您电脑上的日志文件不会被更改。</translation>
    </message>
    <message>
        <source>Hide parts…</source>
        <translation>隐藏部分…</translation>
    </message>
    <message>
        <source>Black out parts of the chosen picture before it is sent</source>
        <translation>在发送前涂黑所选图片的部分内容</translation>
    </message>
    <message>
        <source>%1 (masked copies)</source>
        <translation>%1（屏蔽后的副本）</translation>
    </message>
    <message>
        <source>Says what was masked or hidden and how much, never what</source>
        <translation>说明屏蔽或隐藏了哪类内容及数量，但不包含内容本身</translation>
    </message>
    <message>
        <source>Checking the logs for addresses and secrets…</source>
        <translation>正在检查日志中的地址和机密信息…</translation>
    </message>
    <message>
        <source>The logs show no e-mail addresses, passwords, tokens, keys or home folders.</source>
        <translation>日志中没有电子邮件地址、密码、令牌、密钥或用户主目录。</translation>
    </message>
    <message numerus="yes">
        <source>%n e-mail address(es)</source>
        <translation>
            <numerusform>%n 个电子邮件地址</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n value(s) that look like passwords, tokens or keys</source>
        <translation>
            <numerusform>%n 个疑似密码、令牌或密钥的值</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n path(s) with a home folder</source>
        <translation>
            <numerusform>%n 个包含用户主目录的路径</numerusform>
        </translation>
    </message>
    <message>
        <source>The logs contain %1 that may be private.</source>
        <translation>日志中包含可能属于隐私的内容：%1。</translation>
    </message>
    <message>
        <source>, </source>
        <translation>、</translation>
    </message>
</context>
<context>
    <name>CScreenImg</name>
    <message>
        <source>Save the selection</source>
        <translation>保存所选区域</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>HostInfo</name>
    <message>
        <source>Unknown iTunes Version</source>
        <translation>iTunes：未知</translation>
    </message>
    <message>
        <source>iTunes </source>
        <translation>iTunes </translation>
    </message>
</context>
<context>
    <name>ImgView</name>
    <message>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
</context>
<context>
    <name>PZMessageBox</name>
    <message>
        <source>Note</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>PZMessageBox</source>
        <translation>消息</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>PZStyleWidgetTitle</name>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
</TS>
