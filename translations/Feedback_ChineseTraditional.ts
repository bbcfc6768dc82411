<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>CFeedback</name>
    <message>
        <source>Mobile Phone Brand</source>
        <translation>手機品牌</translation>
    </message>
    <message>
        <source>Phone Model</source>
        <translation>手機型號</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>意見回饋</translation>
    </message>
    <message>
        <source>Write your comments, suggestions, or questions here...</source>
        <translation>請在此輸入您的意見、建議或問題…</translation>
    </message>
    <message>
        <source>Crash Report</source>
        <translation>當機報告</translation>
    </message>
    <message>
        <source>Please tell us how you were using the program when it crashed.</source>
        <translation>請告訴我們程式當機時您正在進行什麼操作。</translation>
    </message>
    <message>
        <source>Please provide as much detail as you can. That will help us quickly and correctly understand the problem you met.</source>
        <translation>請盡可能詳細地描述問題，這將幫助我們快速、準確地了解您遇到的問題。</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>送出</translation>
    </message>
    <message>
        <source>Screen capture:</source>
        <translation>螢幕截圖：</translation>
    </message>
    <message>
        <source>Attach pictures:</source>
        <translation>附加圖片：</translation>
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
        <translation>選取螢幕區域時，此視窗會暫時隱藏。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Screenshot %1</source>
        <translation>螢幕截圖 %1</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>移除 %1</translation>
    </message>
    <message>
        <source>Your report is saved and will be sent automatically.</source>
        <translation>您的報告已儲存，稍後將自動送出。</translation>
    </message>
    <message>
        <source>Save report as file…</source>
        <translation>將報告另存為檔案…</translation>
    </message>
    <message>
        <source>Save report as file</source>
        <translation>將報告另存為檔案</translation>
    </message>
    <message>
        <source>Mail (*.eml)</source>
        <translation>郵件 (*.eml)</translation>
    </message>
    <message>
        <source>The report could not be saved to %1.</source>
        <translation>無法將報告儲存至 %1。</translation>
    </message>
    <message>
        <source>Draft restored.</source>
        <translation>已還原草稿。</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>捨棄</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開啟</translation>
    </message>
    <message>
        <source>Picture(*.jpg *.png *.bmp *.gif)</source>
        <translation>圖片(*.jpg *.png *.bmp *.gif)</translation>
    </message>
    <message>
        <source>Failed to upload pictures! Please try again.</source>
        <translation>圖片新增失敗！請再試一次。</translation>
    </message>
    <message>
        <source>What is sent?</source>
        <translation>會傳送哪些內容？</translation>
    </message>
    <message>
        <source>Database files too large to send (about %1, limit %2)</source>
        <translation>資料庫檔案過大，無法傳送（約 %1，上限 %2）</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>約 %1</translation>
    </message>
    <message>
        <source>Getting the mail settings…</source>
        <translation>正在取得郵件設定…</translation>
    </message>
    <message>
        <source>Packing the files…</source>
        <translation>正在封裝檔案…</translation>
    </message>
    <message>
        <source>Connecting to the mail server…</source>
        <translation>正在連線至郵件伺服器…</translation>
    </message>
    <message>
        <source>Sending: %1 of %2</source>
        <translation>正在傳送：%1 / %2</translation>
    </message>
    <message>
        <source>Cancelling…</source>
        <translation>正在取消…</translation>
    </message>
    <message>
        <source>Submitted Successfully!</source>
        <translation>送出成功！</translation>
    </message>
    <message>
        <source>&lt;p&gt;Your feedback is highly appreciated. We&apos;ll handle it soon. &lt;a href = &quot;rewrite&quot;&gt;&lt;span style=&quot; underline; %1&quot;&gt;Provide more feedback&gt;&gt;&lt;/a&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;非常感謝您的意見，我們會盡快處理。 &lt;a href = &quot;rewrite&quot;&gt;&lt;span style=&quot; underline; %1&quot;&gt;提供更多意見&gt;&gt;&lt;/a&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Failed to submit your feedback.</source>
        <translation>意見送出失敗。</translation>
    </message>
    <message>
        <source>&lt;p&gt; Please make sure that your network connection is active, and then &lt;a href = &quot;try again&quot;&gt;&lt;span style=&quot; underline; %1 &quot;&gt;try again&lt;/span&gt;&lt;/a&gt;.&lt;/p&gt;</source>
        <translation>&lt;p&gt; 請確認網路連線正常，然後&lt;a href = &quot;try again&quot;&gt;&lt;span style=&quot; underline; %1 &quot;&gt;再試一次&lt;/span&gt;&lt;/a&gt;。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Failed for an unknown error!</source>
        <translation>因未知錯誤而送出失敗！</translation>
    </message>
    <message>
        <source>&lt;p&gt; Please &lt;a href = &quot;try again&quot;&gt;&lt;span style=&quot; underline; %1 &quot;&gt;try again&lt;/span&gt;&lt;/a&gt;. If it fails again, please send an email to &lt;a href = &quot;%3&quot;&gt;&lt;span style=&quot; underline; %2&quot;&gt;%3&lt;/span&gt;&lt;/a&gt;.&lt;/p&gt;</source>
        <translation>&lt;p&gt; 請&lt;a href = &quot;try again&quot;&gt;&lt;span style=&quot; underline; %1 &quot;&gt;再試一次&lt;/span&gt;&lt;/a&gt;。如果仍然失敗，請寄送電子郵件至 &lt;a href = &quot;%3&quot;&gt;&lt;span style=&quot; underline; %2&quot;&gt;%3&lt;/span&gt;&lt;/a&gt;。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Reference: %1</source>
        <translation>參考編號：%1</translation>
    </message>
    <message>
        <source>Email:</source>
        <translation>電子郵件：</translation>
    </message>
    <message>
        <source>*</source>
        <translation>*</translation>
    </message>
    <message>
        <source>Enter your email address</source>
        <translation>請輸入您的電子郵件地址</translation>
    </message>
    <message>
        <source>Invalid email address!</source>
        <translation>電子郵件地址無效！</translation>
    </message>
    <message>
        <source>Content:</source>
        <translation>內容：</translation>
    </message>
    <message>
        <source>Write your comments, suggestions, or questions here…</source>
        <translation>請在此輸入您的意見、建議或問題…</translation>
    </message>
    <message>
        <source>Computer OS:</source>
        <translation>電腦作業系統：</translation>
    </message>
    <message>
        <source> iTunes Version：</source>
        <translation> iTunes 版本：</translation>
    </message>
    <message>
        <source>Attach Log Files </source>
        <translation>附加記錄檔</translation>
    </message>
    <message>
        <source>Attach Database Files </source>
        <translation>附加資料庫檔案</translation>
    </message>
    <message>
        <source>Note: Database files include the personal data on your device or in your backup files.</source>
        <translation>注意：資料庫檔案包含您裝置或備份檔案中的個人資料。</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>TextLabel</translation>
    </message>
    <message>
        <source>Submitting...</source>
        <translation>正在送出…</translation>
    </message>
    <message>
        <source>Your report could not be saved for a later attempt.</source>
        <translation>無法儲存您的報告以便稍後重試。</translation>
    </message>
    <message>
        <source>Waiting for the copy being sent in the background…</source>
        <translation>正在等待背景傳送的副本…</translation>
    </message>
</context>
<context>
    <name>CPictureEditor</name>
    <message>
        <source>Hide parts of the picture</source>
        <translation>隱藏圖片的部分內容</translation>
    </message>
    <message>
        <source>Drag over what should not be sent. It is blacked out in the picture that is sent.</source>
        <translation>拖曳框選不應傳送的內容，傳送的圖片中這些部分會被塗黑。</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>圖片</translation>
    </message>
    <message>
        <source>This picture cannot be edited.</source>
        <translation>無法編輯此圖片。</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>復原</translation>
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
        <translation>無法儲存圖片。</translation>
    </message>
</context>
<context>
    <name>CReportDetails</name>
    <message>
        <source>What is sent?</source>
        <translation>會傳送哪些內容？</translation>
    </message>
    <message>
        <source>This is what the report carries if you submit it now.</source>
        <translation>如果現在送出，報告將包含以下內容。</translation>
    </message>
    <message>
        <source>Report text</source>
        <translation>報告內文</translation>
    </message>
    <message>
        <source>Composing…</source>
        <translation>正在產生…</translation>
    </message>
    <message>
        <source>Attached files</source>
        <translation>附加檔案</translation>
    </message>
    <message>
        <source>File</source>
        <translation>檔案</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>大小</translation>
    </message>
    <message>
        <source>Screenshots and pictures</source>
        <translation>螢幕截圖和圖片</translation>
    </message>
    <message>
        <source>Working out the size…</source>
        <translation>正在計算大小…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 位元組</translation>
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
        <translation>郵件大小：約 %1</translation>
    </message>
    <message>
        <source>An archive of the files below</source>
        <translation>包含下列檔案的壓縮檔</translation>
    </message>
    <message>
        <source>about %1</source>
        <translation>約 %1</translation>
    </message>
    <message>
        <source>Too large to send (limit %1)</source>
        <translation>過大，無法傳送（上限 %1）</translation>
    </message>
    <message numerus="yes">
        <source>and %n more file(s)</source>
        <translation>
            <numerusform>以及其他 %n 個檔案</numerusform>
        </translation>
    </message>
    <message>
        <source>(no files)</source>
        <translation>（無檔案）</translation>
    </message>
    <message>
        <source>No files: only the text is sent.</source>
        <translation>沒有檔案：只會傳送文字內容。</translation>
    </message>
    <message>
        <source>Mask them in the sent copy</source>
        <translation>在傳送的副本中遮蔽這些內容</translation>
    </message>
    <message>
        <source>The logs are sent with each of these replaced by &lt;email&gt;, &lt;secret&gt; or ~. The log files on your computer are not changed.</source>
        <translation>傳送的記錄中，這些內容會被替換為 &lt;email&gt;、&lt;secret&gt; 或 ~。您電腦上的記錄檔不會被變更。</translation>
    </message>
    <message>
        <source>Hide parts…</source>
        <translation>隱藏部分…</translation>
    </message>
    <message>
        <source>Black out parts of the chosen picture before it is sent</source>
        <translation>在傳送前塗黑所選圖片的部分內容</translation>
    </message>
    <message>
        <source>%1 (masked copies)</source>
        <translation>%1（遮蔽後的副本）</translation>
    </message>
    <message>
        <source>Says what was masked or hidden and how much, never what</source>
        <translation>說明遮蔽或隱藏了哪類內容及數量，但不含內容本身</translation>
    </message>
    <message>
        <source>Checking the logs for addresses and secrets…</source>
        <translation>正在檢查記錄中的地址和機密資訊…</translation>
    </message>
    <message>
        <source>The logs show no e-mail addresses, passwords, tokens, keys or home folders.</source>
        <translation>記錄中沒有電子郵件地址、密碼、權杖、金鑰或使用者主資料夾。</translation>
    </message>
    <message numerus="yes">
        <source>%n e-mail address(es)</source>
        <translation>
            <numerusform>%n 個電子郵件地址</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n value(s) that look like passwords, tokens or keys</source>
        <translation>
            <numerusform>%n 個疑似密碼、權杖或金鑰的值</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n path(s) with a home folder</source>
        <translation>
            <numerusform>%n 個包含使用者主資料夾的路徑</numerusform>
        </translation>
    </message>
    <message>
        <source>The logs contain %1 that may be private.</source>
        <translation>記錄中包含可能屬於隱私的內容：%1。</translation>
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
        <translation>儲存選取範圍</translation>
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
        <translation>iTunes：不明</translation>
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
        <translation>表單</translation>
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
        <translation>訊息</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
</context>
<context>
    <name>PZStyleWidgetTitle</name>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
</context>
</TS>
