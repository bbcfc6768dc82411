<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CFeedback</name>
    <message>
        <source>Mobile Phone Brand</source>
        <translation>Handymarke</translation>
    </message>
    <message>
        <source>Phone Model</source>
        <translation>Handymodell</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Feedback</translation>
    </message>
    <message>
        <source>Write your comments, suggestions, or questions here...</source>
        <translation>Schreiben Sie hier Ihre Kommentare, Vorschläge oder Fragen…</translation>
    </message>
    <message>
        <source>Crash Report</source>
        <translation>Absturzbericht</translation>
    </message>
    <message>
        <source>Please tell us how you were using the program when it crashed.</source>
        <translation>Bitte beschreiben Sie, was Sie mit dem Programm getan haben, als es abstürzte.</translation>
    </message>
    <message>
        <source>Please provide as much detail as you can. That will help us quickly and correctly understand the problem you met.</source>
        <translation>Bitte beschreiben Sie das Problem so genau wie möglich. So können wir es schnell und richtig verstehen.</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Senden</translation>
    </message>
    <message>
        <source>Screen capture:</source>
        <translation>Bildschirmfoto:</translation>
    </message>
    <message>
        <source>Attach pictures:</source>
        <translation>Bilder anhängen:</translation>
    </message>
    <message>
        <source>iOS Version:</source>
        <translation>iOS-Version:</translation>
    </message>
    <message>
        <source>Android Version:</source>
        <translation>Android-Version:</translation>
    </message>
    <message>
        <source>Hides this window while you select a part of the screen.</source>
        <translation>Blendet dieses Fenster aus, während Sie einen Bildschirmbereich auswählen.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Screenshot %1</source>
        <translation>Bildschirmfoto %1</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>%1 entfernen</translation>
    </message>
    <message>
        <source>Your report is saved and will be sent automatically.</source>
        <translation>Ihr Bericht ist gespeichert und wird automatisch gesendet.</translation>
    </message>
    <message>
        <source>Save report as file…</source>
        <translation>Als Datei speichern…</translation>
    </message>
    <message>
        <source>Save report as file</source>
        <translation>Bericht als Datei speichern</translation>
    </message>
    <message>
        <source>Mail (*.eml)</source>
        <translation>E-Mail (*.eml)</translation>
    </message>
    <message>
        <source>The report could not be saved to %1.</source>
        <translation>Der Bericht konnte nicht unter %1 gespeichert werden.</translation>
    </message>
    <message>
        <source>Draft restored.</source>
        <translation>Entwurf wiederhergestellt.</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Verwerfen</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Picture(*.jpg *.png *.bmp *.gif)</source>
        <translation>Bilder(*.jpg *.png *.bmp *.gif)</translation>
    </message>
    <message>
        <source>Failed to upload pictures! Please try again.</source>
        <translation>Das Bild konnte nicht geladen werden. Bitte versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>What is sent?</source>
        <translation>Gesendete Daten</translation>
    </message>
    <message>
        <source>Database files too large to send (about %1, limit %2)</source>
        <translation>Datenbankdateien zu groß zum Senden (etwa %1, Grenze %2)</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Etwa %1</translation>
    </message>
    <message>
        <source>Getting the mail settings…</source>
        <translation>Mail-Einstellungen werden abgerufen…</translation>
    </message>
    <message>
        <source>Packing the files…</source>
        <translation>Dateien werden gepackt…</translation>
    </message>
    <message>
        <source>Connecting to the mail server…</source>
        <translation>Verbindung zum Mailserver wird hergestellt…</translation>
    </message>
    <message>
        <source>Sending: %1 of %2</source>
        <translation>Senden: %1 von %2</translation>
    </message>
    <message>
        <source>Cancelling…</source>
        <translation>Wird abgebrochen…</translation>
    </message>
    <message>
        <source>Submitted Successfully!</source>
        <translation>Erfolgreich gesendet!</translation>
    </message>
    <message>
        <source>&lt;p&gt;Your feedback is highly appreciated. We&apos;ll handle it soon. &lt;a href = &quot;rewrite&quot;&gt;&lt;span style=&quot; underline; %1&quot;&gt;Provide more feedback&gt;&gt;&lt;/a&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;Vielen Dank für Ihr Feedback. Wir kümmern uns bald darum. &lt;a href = &quot;rewrite&quot;&gt;&lt;span style=&quot; underline; %1&quot;&gt;Weiteres Feedback geben&gt;&gt;&lt;/a&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Failed to submit your feedback.</source>
        <translation>Ihr Feedback konnte nicht gesendet werden.</translation>
    </message>
    <message>
        <source>&lt;p&gt; Please make sure that your network connection is active, and then &lt;a href = &quot;try again&quot;&gt;&lt;span style=&quot; underline; %1 &quot;&gt;try again&lt;/span&gt;&lt;/a&gt;.&lt;/p&gt;</source>
        <translation>&lt;p&gt; Bitte prüfen Sie Ihre Netzwerkverbindung und &lt;a href = &quot;try again&quot;&gt;&lt;span style=&quot; underline; %1 &quot;&gt;versuchen Sie es erneut&lt;/span&gt;&lt;/a&gt;.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Failed for an unknown error!</source>
        <translation>Unbekannter Fehler beim Senden!</translation>
    </message>
    <message>
        <source>&lt;p&gt; Please &lt;a href = &quot;try again&quot;&gt;&lt;span style=&quot; underline; %1 &quot;&gt;try again&lt;/span&gt;&lt;/a&gt;. If it fails again, please send an email to &lt;a href = &quot;%3&quot;&gt;&lt;span style=&quot; underline; %2&quot;&gt;%3&lt;/span&gt;&lt;/a&gt;.&lt;/p&gt;</source>
        <translation>&lt;p&gt; Bitte &lt;a href = &quot;try again&quot;&gt;&lt;span style=&quot; underline; %1 &quot;&gt;versuchen Sie es erneut&lt;/span&gt;&lt;/a&gt;. Schlägt es wieder fehl, schreiben Sie an &lt;a href = &quot;%3&quot;&gt;&lt;span style=&quot; underline; %2&quot;&gt;%3&lt;/span&gt;&lt;/a&gt;.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Reference: %1</source>
        <translation>Referenz: %1</translation>
    </message>
    <message>
        <source>Email:</source>
        <translation>E-Mail:</translation>
    </message>
    <message>
        <source>*</source>
        <translation>*</translation>
    </message>
    <message>
        <source>Enter your email address</source>
        <translation>E-Mail-Adresse eingeben</translation>
    </message>
    <message>
        <source>Invalid email address!</source>
        <translation>Ungültige E-Mail-Adresse!</translation>
    </message>
    <message>
        <source>Content:</source>
        <translation>Inhalt:</translation>
    </message>
    <message>
        <source>Write your comments, suggestions, or questions here…</source>
        <translation>Schreiben Sie hier Ihre Kommentare, Vorschläge oder Fragen…</translation>
    </message>
    <message>
        <source>Computer OS:</source>
        <translation>Betriebssystem:</translation>
    </message>
    <message>
        <source> iTunes Version：</source>
        <translation> iTunes-Version:</translation>
    </message>
    <message>
        <source>Attach Log Files </source>
        <translation>Protokolle anhängen</translation>
    </message>
    <message>
        <source>Attach Database Files </source>
        <translation>Datenbank anhängen</translation>
    </message>
    <message>
        <source>Note: Database files include the personal data on your device or in your backup files.</source>
        <translation>Hinweis: Datenbankdateien enthalten die persönlichen Daten auf Ihrem Gerät oder in Ihren Sicherungen.</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>TextLabel</translation>
    </message>
    <message>
        <source>Submitting...</source>
        <translation>Wird gesendet…</translation>
    </message>
    <message>
        <source>Your report could not be saved for a later attempt.</source>
        <translation>Ihr Bericht konnte nicht für einen späteren Versuch gespeichert werden.</translation>
    </message>
    <message>
        <source>Waiting for the copy being sent in the background…</source>
        <translation>Warten auf die im Hintergrund gesendete Kopie…</translation>
    </message>
</context>
<context>
    <name>CPictureEditor</name>
    <message>
        <source>Hide parts of the picture</source>
        <translation>Teile des Bildes verbergen</translation>
    </message>
    <message>
        <source>Drag over what should not be sent. It is blacked out in the picture that is sent.</source>
        <translation>Ziehen Sie über das, was nicht gesendet werden soll. Es wird im gesendeten Bild geschwärzt.</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>This picture cannot be edited.</source>
        <translation>Dieses Bild kann nicht bearbeitet werden.</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>The picture could not be saved.</source>
        <translation>Das Bild konnte nicht gespeichert werden.</translation>
    </message>
</context>
<context>
    <name>CReportDetails</name>
    <message>
        <source>What is sent?</source>
        <translation>Gesendete Daten</translation>
    </message>
    <message>
        <source>This is what the report carries if you submit it now.</source>
        <translation>Das enthält der Bericht, wenn Sie ihn jetzt senden.</translation>
    </message>
    <message>
        <source>Report text</source>
        <translation>Berichtstext</translation>
    </message>
    <message>
        <source>Composing…</source>
        <translation>Wird erstellt…</translation>
    </message>
    <message>
        <source>Attached files</source>
        <translation>Angehängte Dateien</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Screenshots and pictures</source>
        <translation>Bildschirmfotos und Bilder</translation>
    </message>
    <message>
        <source>Working out the size…</source>
        <translation>Größe wird ermittelt…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 Byte</translation>
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
        <translation>Die E-Mail: etwa %1</translation>
    </message>
    <message>
        <source>An archive of the files below</source>
        <translation>Ein Archiv der folgenden Dateien</translation>
    </message>
    <message>
        <source>about %1</source>
        <translation>etwa %1</translation>
    </message>
    <message>
        <source>Too large to send (limit %1)</source>
        <translation>Zu groß zum Senden (Grenze %1)</translation>
    </message>
    <message numerus="yes">
        <source>and %n more file(s)</source>
        <translation>
            <numerusform>und %n weitere Datei</numerusform>
            <numerusform>und %n weitere Dateien</numerusform>
        </translation>
    </message>
    <message>
        <source>(no files)</source>
        <translation>(keine Dateien)</translation>
    </message>
    <message>
        <source>No files: only the text is sent.</source>
        <translation>Keine Dateien: Nur der Text wird gesendet.</translation>
    </message>
    <message>
        <source>Mask them in the sent copy</source>
        <translation>In der gesendeten Kopie maskieren</translation>
    </message>
    <message>
        <source>The logs are sent with each of these replaced by &lt;email&gt;, &lt;secret&gt; or ~. The log files on your computer are not changed.</source>
        <translation>Die Protokolle werden gesendet, wobei jede dieser Stellen durch &lt;email&gt;, &lt;secret&gt; oder ~ ersetzt wird. Die Protokolldateien auf Ihrem Computer bleiben unverändert.</translation>
    </message>
    <message>
        <source>Hide parts…</source>
        <translation>Teile verbergen…</translation>
    </message>
    <message>
        <source>Black out parts of the chosen picture before it is sent</source>
        <translation>Teile des gewählten Bildes vor dem Senden schwärzen</translation>
    </message>
    <message>
        <source>%1 (masked copies)</source>
        <translation>%1 (maskierte Kopien)</translation>
    </message>
    <message>
        <source>Says what was masked or hidden and how much, never what</source>
        <translation>Nennt Art und Anzahl des Maskierten oder Verborgenen, nie den Inhalt</translation>
    </message>
    <message>
        <source>Checking the logs for addresses and secrets…</source>
        <translation>Protokolle werden auf Adressen und Geheimnisse geprüft…</translation>
    </message>
    <message>
        <source>The logs show no e-mail addresses, passwords, tokens, keys or home folders.</source>
        <translation>Die Protokolle enthalten keine E-Mail-Adressen, Passwörter, Tokens, Schlüssel oder Benutzerordner.</translation>
    </message>
    <message numerus="yes">
        <source>%n e-mail address(es)</source>
        <translation>
            <numerusform>%n E-Mail-Adresse</numerusform>
            <numerusform>%n E-Mail-Adressen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n value(s) that look like passwords, tokens or keys</source>
        <translation>
            <numerusform>%n Wert, der wie ein Passwort, Token oder Schlüssel aussieht</numerusform>
            <numerusform>%n Werte, die wie Passwörter, Tokens oder Schlüssel aussehen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n path(s) with a home folder</source>
        <translation>
            <numerusform>%n Pfad mit einem Benutzerordner</numerusform>
            <numerusform>%n Pfade mit einem Benutzerordner</numerusform>
        </translation>
    </message>
    <message>
        <source>The logs contain %1 that may be private.</source>
        <translation>Die Protokolle enthalten %1, die privat sein könnten.</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
</context>
<context>
    <name>CScreenImg</name>
    <message>
        <source>Save the selection</source>
        <translation>Auswahl speichern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>HostInfo</name>
    <message>
        <source>Unknown iTunes Version</source>
        <translation>iTunes: k. A.</translation>
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
        <translation>Formular</translation>
    </message>
</context>
<context>
    <name>PZMessageBox</name>
    <message>
        <source>Note</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>PZMessageBox</source>
        <translation>Meldung</translation>
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
        <translation>Schließen</translation>
    </message>
</context>
</TS>
