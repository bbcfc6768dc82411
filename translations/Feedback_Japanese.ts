<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>CFeedback</name>
    <message>
        <source>Mobile Phone Brand</source>
        <translation>スマートフォンのメーカー</translation>
    </message>
    <message>
        <source>Phone Model</source>
        <translation>スマートフォンの機種</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>フィードバック</translation>
    </message>
    <message>
        <source>Write your comments, suggestions, or questions here...</source>
        <translation>ご意見、ご提案、ご質問をこちらにご記入ください…</translation>
    </message>
    <message>
        <source>Crash Report</source>
        <translation>クラッシュレポート</translation>
    </message>
    <message>
        <source>Please tell us how you were using the program when it crashed.</source>
        <translation>プログラムがクラッシュしたときに何をしていたか教えてください。</translation>
    </message>
    <message>
        <source>Please provide as much detail as you can. That will help us quickly and correctly understand the problem you met.</source>
        <translation>できるだけ詳しくお書きください。お困りの問題を迅速かつ正確に把握するのに役立ちます。</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>送信</translation>
    </message>
    <message>
        <source>Screen capture:</source>
        <translation>スクリーンショット：</translation>
    </message>
    <message>
        <source>Attach pictures:</source>
        <translation>画像を添付：</translation>
    </message>
    <message>
        <source>iOS Version:</source>
        <translation>iOS バージョン：</translation>
    </message>
    <message>
        <source>Android Version:</source>
        <translation>Android バージョン：</translation>
    </message>
    <message>
        <source>Hides this window while you select a part of the screen.</source>
        <translation>画面の範囲を選択する間、このウィンドウは非表示になります。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Screenshot %1</source>
        <translation>スクリーンショット %1</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>%1 を削除</translation>
    </message>
    <message>
        <source>Your report is saved and will be sent automatically.</source>
        <translation>レポートは保存され、自動的に送信されます。</translation>
    </message>
    <message>
        <source>Save report as file…</source>
        <translation>ファイルとして保存…</translation>
    </message>
    <message>
        <source>Save report as file</source>
        <translation>レポートをファイルとして保存</translation>
    </message>
    <message>
        <source>Mail (*.eml)</source>
        <translation>メール (*.eml)</translation>
    </message>
    <message>
        <source>The report could not be saved to %1.</source>
        <translation>レポートを %1 に保存できませんでした。</translation>
    </message>
    <message>
        <source>Draft restored.</source>
        <translation>下書きを復元しました。</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>破棄</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Picture(*.jpg *.png *.bmp *.gif)</source>
        <translation>画像(*.jpg *.png *.bmp *.gif)</translation>
    </message>
    <message>
        <source>Failed to upload pictures! Please try again.</source>
        <translation>画像を追加できませんでした。もう一度お試しください。</translation>
    </message>
    <message>
        <source>What is sent?</source>
        <translation>送信される内容</translation>
    </message>
    <message>
        <source>Database files too large to send (about %1, limit %2)</source>
        <translation>データベースファイルが大きすぎて送信できません（約 %1、上限 %2）</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>約 %1</translation>
    </message>
    <message>
        <source>Getting the mail settings…</source>
        <translation>メール設定を取得しています…</translation>
    </message>
    <message>
        <source>Packing the files…</source>
        <translation>ファイルをまとめています…</translation>
    </message>
    <message>
        <source>Connecting to the mail server…</source>
        <translation>メールサーバーに接続しています…</translation>
    </message>
    <message>
        <source>Sending: %1 of %2</source>
        <translation>送信中: %1 / %2</translation>
    </message>
    <message>
        <source>Cancelling…</source>
        <translation>キャンセルしています…</translation>
    </message>
    <message>
        <source>Submitted Successfully!</source>
        <translation>送信しました。</translation>
    </message>
    <message>
        <source>&lt;p&gt;Your feedback is highly appreciated. We&apos;ll handle it soon. &lt;a href = &quot;rewrite&quot;&gt;&lt;span style=&quot; underline; %1&quot;&gt;Provide more feedback&gt;&gt;&lt;/a&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;フィードバックをありがとうございます。速やかに対応いたします。 &lt;a href = &quot;rewrite&quot;&gt;&lt;span style=&quot; underline; %1&quot;&gt;さらにフィードバックを送る&gt;&gt;&lt;/a&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Failed to submit your feedback.</source>
        <translation>フィードバックを送信できませんでした。</translation>
    </message>
    <message>
        <source>&lt;p&gt; Please make sure that your network connection is active, and then &lt;a href = &quot;try again&quot;&gt;&lt;span style=&quot; underline; %1 &quot;&gt;try again&lt;/span&gt;&lt;/a&gt;.&lt;/p&gt;</source>
        <translation>&lt;p&gt; ネットワークに接続されていることを確認してから、&lt;a href = &quot;try again&quot;&gt;&lt;span style=&quot; underline; %1 &quot;&gt;もう一度お試しください&lt;/span&gt;&lt;/a&gt;。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Failed for an unknown error!</source>
        <translation>不明なエラーにより送信できませんでした。</translation>
    </message>
    <message>
        <source>&lt;p&gt; Please &lt;a href = &quot;try again&quot;&gt;&lt;span style=&quot; underline; %1 &quot;&gt;try again&lt;/span&gt;&lt;/a&gt;. If it fails again, please send an email to &lt;a href = &quot;%3&quot;&gt;&lt;span style=&quot; underline; %2&quot;&gt;%3&lt;/span&gt;&lt;/a&gt;.&lt;/p&gt;</source>
        <translation>&lt;p&gt; &lt;a href = &quot;try again&quot;&gt;&lt;span style=&quot; underline; %1 &quot;&gt;もう一度お試しください&lt;/span&gt;&lt;/a&gt;。それでも失敗する場合は、&lt;a href = &quot;%3&quot;&gt;&lt;span style=&quot; underline; %2&quot;&gt;%3&lt;/span&gt;&lt;/a&gt; までメールでお問い合わせください。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Reference: %1</source>
        <translation>参照番号: %1</translation>
    </message>
    <message>
        <source>Email:</source>
        <translation>メール：</translation>
    </message>
    <message>
        <source>*</source>
        <translation>*</translation>
    </message>
    <message>
        <source>Enter your email address</source>
        <translation>メールアドレスを入力</translation>
    </message>
    <message>
        <source>Invalid email address!</source>
        <translation>メールアドレスが正しくありません。</translation>
    </message>
    <message>
        <source>Content:</source>
        <translation>内容：</translation>
    </message>
    <message>
        <source>Write your comments, suggestions, or questions here…</source>
        <translation>ご意見、ご提案、ご質問をこちらにご記入ください…</translation>
    </message>
    <message>
        <source>Computer OS:</source>
        <translation>パソコンの OS：</translation>
    </message>
    <message>
        <source> iTunes Version：</source>
        <translation> iTunes バージョン：</translation>
    </message>
    <message>
        <source>Attach Log Files </source>
        <translation>ログファイルを添付</translation>
    </message>
    <message>
        <source>Attach Database Files </source>
        <translation>データベースファイルを添付</translation>
    </message>
    <message>
        <source>Note: Database files include the personal data on your device or in your backup files.</source>
        <translation>注意: データベースファイルには、デバイスやバックアップファイル内の個人データが含まれます。</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>TextLabel</translation>
    </message>
    <message>
        <source>Submitting...</source>
        <translation>送信しています…</translation>
    </message>
    <message>
        <source>Your report could not be saved for a later attempt.</source>
        <translation>レポートを後で再送するために保存できませんでした。</translation>
    </message>
    <message>
        <source>Waiting for the copy being sent in the background…</source>
        <translation>バックグラウンドで送信中のコピーを待っています…</translation>
    </message>
</context>
<context>
    <name>CPictureEditor</name>
    <message>
        <source>Hide parts of the picture</source>
        <translation>画像の一部を隠す</translation>
    </message>
    <message>
        <source>Drag over what should not be sent. It is blacked out in the picture that is sent.</source>
        <translation>送信したくない部分をドラッグで囲んでください。送信される画像では黒く塗りつぶされます。</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>画像</translation>
    </message>
    <message>
        <source>This picture cannot be edited.</source>
        <translation>この画像は編集できません。</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>The picture could not be saved.</source>
        <translation>画像を保存できませんでした。</translation>
    </message>
</context>
<context>
    <name>CReportDetails</name>
    <message>
        <source>What is sent?</source>
        <translation>送信される内容</translation>
    </message>
    <message>
        <source>This is what the report carries if you submit it now.</source>
        <translation>今送信すると、レポートには次の内容が含まれます。</translation>
    </message>
    <message>
        <source>Report text</source>
        <translation>レポートの本文</translation>
    </message>
    <message>
        <source>Composing…</source>
        <translation>作成しています…</translation>
    </message>
    <message>
        <source>Attached files</source>
        <translation>添付ファイル</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>Screenshots and pictures</source>
        <translation>スクリーンショットと画像</translation>
    </message>
    <message>
        <source>Working out the size…</source>
        <translation>サイズを計算しています…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 バイト</translation>
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
        <translation>メールのサイズ: 約 %1</translation>
    </message>
    <message>
        <source>An archive of the files below</source>
        <translation>以下のファイルをまとめたアーカイブ</translation>
    </message>
    <message>
        <source>about %1</source>
        <translation>約 %1</translation>
    </message>
    <message>
        <source>Too large to send (limit %1)</source>
        <translation>大きすぎて送信できません（上限 %1）</translation>
    </message>
    <message numerus="yes">
        <source>and %n more file(s)</source>
        <translation>
            <numerusform>他 %n 個のファイル</numerusform>
        </translation>
    </message>
    <message>
        <source>(no files)</source>
        <translation>（ファイルなし）</translation>
    </message>
    <message>
        <source>No files: only the text is sent.</source>
        <translation>ファイルはありません。テキストのみ送信されます。</translation>
    </message>
    <message>
        <source>Mask them in the sent copy</source>
        <translation>送信するコピーではマスクする</translation>
    </message>
    <message>
        <source>The logs are sent with each of these replaced by &lt;email&gt;, &lt;secret&gt; or ~. The log files on your computer are not changed.</source>
        <translation>送信するログでは、これらはそれぞれ &lt;email&gt;、&lt;secret&gt;、~ に置き換えられます。お使いのコンピューター上のログファイルは変更されません。</translation>
    </message>
    <message>
        <source>Hide parts…</source>
        <translation>一部を隠す…</translation>
    </message>
    <message>
        <source>Black out parts of the chosen picture before it is sent</source>
        <translation>送信前に、選んだ画像の一部を黒く塗りつぶします</translation>
    </message>
    <message>
        <source>%1 (masked copies)</source>
        <translation>%1（マスク済みのコピー）</translation>
    </message>
    <message>
        <source>Says what was masked or hidden and how much, never what</source>
        <translation>マスクまたは非表示にした内容の種類と数を示します（内容そのものは含みません）</translation>
    </message>
    <message>
        <source>Checking the logs for addresses and secrets…</source>
        <translation>ログにアドレスや機密情報がないか確認しています…</translation>
    </message>
    <message>
        <source>The logs show no e-mail addresses, passwords, tokens, keys or home folders.</source>
        <translation>ログにメールアドレス、パスワード、トークン、キー、ホームフォルダーは含まれていません。</translation>
    </message>
    <message numerus="yes">
        <source>%n e-mail address(es)</source>
        <translation>
            <numerusform>%n 件のメールアドレス</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n value(s) that look like passwords, tokens or keys</source>
        <translation>
            <numerusform>パスワード、トークン、キーと思われる値 %n 件</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n path(s) with a home folder</source>
        <translation>
            <numerusform>ホームフォルダーを含むパス %n 件</numerusform>
        </translation>
    </message>
    <message>
        <source>The logs contain %1 that may be private.</source>
        <translation>ログに、個人情報の可能性がある %1 が含まれています。</translation>
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
        <translation>選択範囲を保存</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
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
        <translation>フォーム</translation>
    </message>
</context>
<context>
    <name>PZMessageBox</name>
    <message>
        <source>Note</source>
        <translation>お知らせ</translation>
    </message>
    <message>
        <source>PZMessageBox</source>
        <translation>メッセージ</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>PZStyleWidgetTitle</name>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
</TS>
