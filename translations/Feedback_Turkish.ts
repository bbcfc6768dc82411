<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr">
<context>
    <name>CFeedback</name>
    <message>
        <source>Mobile Phone Brand</source>
        <translation>Telefon markası</translation>
    </message>
    <message>
        <source>Phone Model</source>
        <translation>Telefon modeli</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Geri bildirim</translation>
    </message>
    <message>
        <source>Write your comments, suggestions, or questions here...</source>
        <translation>Yorumlarınızı, önerilerinizi veya sorularınızı buraya yazın…</translation>
    </message>
    <message>
        <source>Crash Report</source>
        <translation>Çökme raporu</translation>
    </message>
    <message>
        <source>Please tell us how you were using the program when it crashed.</source>
        <translation>Program çöktüğünde ne yaptığınızı bize anlatın.</translation>
    </message>
    <message>
        <source>Please provide as much detail as you can. That will help us quickly and correctly understand the problem you met.</source>
        <translation>Lütfen olabildiğince ayrıntı verin. Bu, yaşadığınız sorunu hızlı ve doğru anlamamıza yardımcı olur.</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Gönder</translation>
    </message>
    <message>
        <source>Screen capture:</source>
        <translation>Ekran görüntüsü:</translation>
    </message>
    <message>
        <source>Attach pictures:</source>
        <translation>Resim ekle:</translation>
    </message>
    <message>
        <source>iOS Version:</source>
        <translation>iOS sürümü:</translation>
    </message>
    <message>
        <source>Android Version:</source>
        <translation>Android sürümü:</translation>
    </message>
    <message>
        <source>Hides this window while you select a part of the screen.</source>
        <translation>Ekranın bir bölümünü seçerken bu pencereyi gizler.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Screenshot %1</source>
        <translation>Ekran görüntüsü %1</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>Kaldır: %1</translation>
    </message>
    <message>
        <source>Your report is saved and will be sent automatically.</source>
        <translation>Raporunuz kaydedildi ve otomatik olarak gönderilecek.</translation>
    </message>
    <message>
        <source>Save report as file…</source>
        <translation>Dosya olarak kaydet…</translation>
    </message>
    <message>
        <source>Save report as file</source>
        <translation>Raporu dosya olarak kaydet</translation>
    </message>
    <message>
        <source>Mail (*.eml)</source>
        <translation>E-posta (*.eml)</translation>
    </message>
    <message>
        <source>The report could not be saved to %1.</source>
        <translation>Rapor %1 konumuna kaydedilemedi.</translation>
    </message>
    <message>
        <source>Draft restored.</source>
        <translation>Taslak geri yüklendi.</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Sil</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Aç</translation>
    </message>
    <message>
        <source>Picture(*.jpg *.png *.bmp *.gif)</source>
        <translation>Resimler(*.jpg *.png *.bmp *.gif)</translation>
    </message>
    <message>
        <source>Failed to upload pictures! Please try again.</source>
        <translation>Resim eklenemedi. Lütfen tekrar deneyin.</translation>
    </message>
    <message>
        <source>What is sent?</source>
        <translation>Neler gönderilir?</translation>
    </message>
    <message>
        <source>Database files too large to send (about %1, limit %2)</source>
        <translation>Veritabanı dosyaları çok büyük (yaklaşık %1, sınır %2)</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Yaklaşık %1</translation>
    </message>
    <message>
        <source>Getting the mail settings…</source>
        <translation>E-posta ayarları alınıyor…</translation>
    </message>
    <message>
        <source>Packing the files…</source>
        <translation>Dosyalar paketleniyor…</translation>
    </message>
    <message>
        <source>Connecting to the mail server…</source>
        <translation>E-posta sunucusuna bağlanılıyor…</translation>
    </message>
    <message>
        <source>Sending: %1 of %2</source>
        <translation>Gönderiliyor: %1 / %2</translation>
    </message>
    <message>
        <source>Cancelling…</source>
        <translation>İptal ediliyor…</translation>
    </message>
    <message>
        <source>Submitted Successfully!</source>
        <translation>Başarıyla gönderildi!</translation>
    </message>
    <message>
        <source>&lt;p&gt;Your feedback is highly appreciated. We&apos;ll handle it soon. &lt;a href = &quot;rewrite&quot;&gt;&lt;span style=&quot; underline; %1&quot;&gt;Provide more feedback&gt;&gt;&lt;/a&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;Geri bildiriminiz için çok teşekkürler. En kısa sürede ilgileneceğiz. &lt;a href = &quot;rewrite&quot;&gt;&lt;span style=&quot; underline; %1&quot;&gt;Başka geri bildirim gönder&gt;&gt;&lt;/a&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Failed to submit your feedback.</source>
        <translation>Geri bildiriminiz gönderilemedi.</translation>
    </message>
    <message>
        <source>&lt;p&gt; Please make sure that your network connection is active, and then &lt;a href = &quot;try again&quot;&gt;&lt;span style=&quot; underline; %1 &quot;&gt;try again&lt;/span&gt;&lt;/a&gt;.&lt;/p&gt;</source>
        <translation>&lt;p&gt; Ağ bağlantınızın etkin olduğundan emin olun ve &lt;a href = &quot;try again&quot;&gt;&lt;span style=&quot; underline; %1 &quot;&gt;tekrar deneyin&lt;/span&gt;&lt;/a&gt;.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Failed for an unknown error!</source>
        <translation>Bilinmeyen bir hata nedeniyle gönderilemedi!</translation>
    </message>
    <message>
        <source>&lt;p&gt; Please &lt;a href = &quot;try again&quot;&gt;&lt;span style=&quot; underline; %1 &quot;&gt;try again&lt;/span&gt;&lt;/a&gt;. If it fails again, please send an email to &lt;a href = &quot;%3&quot;&gt;&lt;span style=&quot; underline; %2&quot;&gt;%3&lt;/span&gt;&lt;/a&gt;.&lt;/p&gt;</source>
        <translation>&lt;p&gt; Lütfen &lt;a href = &quot;try again&quot;&gt;&lt;span style=&quot; underline; %1 &quot;&gt;tekrar deneyin&lt;/span&gt;&lt;/a&gt;. Yine başarısız olursa &lt;a href = &quot;%3&quot;&gt;&lt;span style=&quot; underline; %2&quot;&gt;%3&lt;/span&gt;&lt;/a&gt; adresine e-posta gönderin.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Reference: %1</source>
        <translation>Referans: %1</translation>
    </message>
    <message>
        <source>Email:</source>
        <translation>E-posta:</translation>
    </message>
    <message>
        <source>*</source>
        <translation>*</translation>
    </message>
    <message>
        <source>Enter your email address</source>
        <translation>E-posta adresinizi girin</translation>
    </message>
    <message>
        <source>Invalid email address!</source>
        <translation>Geçersiz e-posta adresi!</translation>
    </message>
    <message>
        <source>Content:</source>
        <translation>İçerik:</translation>
    </message>
    <message>
        <source>Write your comments, suggestions, or questions here…</source>
        <translation>Yorumlarınızı, önerilerinizi veya sorularınızı buraya yazın…</translation>
    </message>
    <message>
        <source>Computer OS:</source>
        <translation>İşletim sistemi:</translation>
    </message>
    <message>
        <source> iTunes Version：</source>
        <translation> iTunes sürümü:</translation>
    </message>
    <message>
        <source>Attach Log Files </source>
        <translation>Günlük dosyalarını ekle</translation>
    </message>
    <message>
        <source>Attach Database Files </source>
        <translation>Veritabanı dosyalarını ekle</translation>
    </message>
    <message>
        <source>Note: Database files include the personal data on your device or in your backup files.</source>
        <translation>Not: Veritabanı dosyaları, cihazınızdaki veya yedeklerinizdeki kişisel verileri içerir.</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>TextLabel</translation>
    </message>
    <message>
        <source>Submitting...</source>
        <translation>Gönderiliyor…</translation>
    </message>
    <message>
        <source>Your report could not be saved for a later attempt.</source>
        <translation>Raporunuz daha sonra yeniden denemek için kaydedilemedi.</translation>
    </message>
    <message>
        <source>Waiting for the copy being sent in the background…</source>
        <translation>Arka planda gönderilen kopya bekleniyor…</translation>
    </message>
</context>
<context>
    <name>CPictureEditor</name>
    <message>
        <source>Hide parts of the picture</source>
        <translation>Resmin bazı bölümlerini gizle</translation>
    </message>
    <message>
        <source>Drag over what should not be sent. It is blacked out in the picture that is sent.</source>
        <translation>Gönderilmemesi gereken yerleri sürükleyerek seçin. Gönderilen resimde siyahla kapatılır.</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Resim</translation>
    </message>
    <message>
        <source>This picture cannot be edited.</source>
        <translation>Bu resim düzenlenemiyor.</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Geri al</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Bitti</translation>
    </message>
    <message>
        <source>The picture could not be saved.</source>
        <translation>Resim kaydedilemedi.</translation>
    </message>
</context>
<context>
    <name>CReportDetails</name>
    <message>
        <source>What is sent?</source>
        <translation>Neler gönderilir?</translation>
    </message>
    <message>
        <source>This is what the report carries if you submit it now.</source>
        <translation>Raporu şimdi gönderirseniz içereceği bilgiler bunlardır.</translation>
    </message>
    <message>
        <source>Report text</source>
        <translation>Rapor metni</translation>
    </message>
    <message>
        <source>Composing…</source>
        <translation>Hazırlanıyor…</translation>
    </message>
    <message>
        <source>Attached files</source>
        <translation>Ekli dosyalar</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Dosya</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Boyut</translation>
    </message>
    <message>
        <source>Screenshots and pictures</source>
        <translation>Ekran görüntüleri ve resimler</translation>
    </message>
    <message>
        <source>Working out the size…</source>
        <translation>Boyut hesaplanıyor…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 bayt</translation>
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
        <translation>E-posta: yaklaşık %1</translation>
    </message>
    <message>
        <source>An archive of the files below</source>
        <translation>Aşağıdaki dosyaların arşivi</translation>
    </message>
    <message>
        <source>about %1</source>
        <translation>yaklaşık %1</translation>
    </message>
    <message>
        <source>Too large to send (limit %1)</source>
        <translation>Gönderilemeyecek kadar büyük (sınır %1)</translation>
    </message>
    <message numerus="yes">
        <source>and %n more file(s)</source>
        <translation>
            <numerusform>ve %n dosya daha</numerusform>
        </translation>
    </message>
    <message>
        <source>(no files)</source>
        <translation>(dosya yok)</translation>
    </message>
    <message>
        <source>No files: only the text is sent.</source>
        <translation>Dosya yok: yalnızca metin gönderilir.</translation>
    </message>
    <message>
        <source>Mask them in the sent copy</source>
        <translation>Gönderilen kopyada maskele</translation>
    </message>
    <message>
        <source>The logs are sent with each of these replaced by &lt;email&gt;, &lt;secret&gt; or ~. The log files on your computer are not changed.</source>
        <translation>Günlükler, bunların her biri &lt;email&gt;, &lt;secret&gt; veya ~ ile değiştirilerek gönderilir. Bilgisayarınızdaki günlük dosyaları değişmez.</translation>
    </message>
    <message>
        <source>Hide parts…</source>
        <translation>Bölümleri gizle…</translation>
    </message>
    <message>
        <source>Black out parts of the chosen picture before it is sent</source>
        <translation>Seçilen resmin bazı bölümlerini göndermeden önce siyahla kapat</translation>
    </message>
    <message>
        <source>%1 (masked copies)</source>
        <translation>%1 (maskelenmiş kopyalar)</translation>
    </message>
    <message>
        <source>Says what was masked or hidden and how much, never what</source>
        <translation>Neyin ne kadar maskelendiğini veya gizlendiğini söyler, içeriği asla</translation>
    </message>
    <message>
        <source>Checking the logs for addresses and secrets…</source>
        <translation>Günlüklerde adres ve gizli bilgi aranıyor…</translation>
    </message>
    <message>
        <source>The logs show no e-mail addresses, passwords, tokens, keys or home folders.</source>
        <translation>Günlüklerde e-posta adresi, parola, belirteç, anahtar veya ev klasörü yok.</translation>
    </message>
    <message numerus="yes">
        <source>%n e-mail address(es)</source>
        <translation>
            <numerusform>%n e-posta adresi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n value(s) that look like passwords, tokens or keys</source>
        <translation>
            <numerusform>parola, belirteç veya anahtara benzeyen %n değer</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n path(s) with a home folder</source>
        <translation>
            <numerusform>ev klasörü içeren %n yol</numerusform>
        </translation>
    </message>
    <message>
        <source>The logs contain %1 that may be private.</source>
        <translation>Günlüklerde özel olabilecek %1 var.</translation>
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
        <translation>Seçimi kaydet</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
</context>
<context>
    <name>HostInfo</name>
    <message>
        <source>Unknown iTunes Version</source>
        <translation>iTunes belirsiz</translation>
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
        <translation>Form</translation>
    </message>
</context>
<context>
    <name>PZMessageBox</name>
    <message>
        <source>Note</source>
        <translation>Not</translation>
    </message>
    <message>
        <source>PZMessageBox</source>
        <translation>İleti</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
</context>
<context>
    <name>PZStyleWidgetTitle</name>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
</context>
</TS>
