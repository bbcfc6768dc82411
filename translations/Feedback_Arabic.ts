<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>CFeedback</name>
    <message>
        <source>Mobile Phone Brand</source>
        <translation>الشركة المصنعة للهاتف</translation>
    </message>
    <message>
        <source>Phone Model</source>
        <translation>طراز الهاتف</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>ملاحظات</translation>
    </message>
    <message>
        <source>Write your comments, suggestions, or questions here...</source>
        <translation>اكتب تعليقاتك أو اقتراحاتك أو أسئلتك هنا…</translation>
    </message>
    <message>
        <source>Crash Report</source>
        <translation>تقرير عطل</translation>
    </message>
    <message>
        <source>Please tell us how you were using the program when it crashed.</source>
        <translation>أخبرنا بما كنت تفعله في البرنامج عندما تعطّل.</translation>
    </message>
    <message>
        <source>Please provide as much detail as you can. That will help us quickly and correctly understand the problem you met.</source>
        <translation>يُرجى تقديم أكبر قدر ممكن من التفاصيل، فذلك يساعدنا على فهم المشكلة التي واجهتها بسرعة ودقة.</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>إرسال</translation>
    </message>
    <message>
        <source>Screen capture:</source>
        <translation>لقطة شاشة:</translation>
    </message>
    <message>
        <source>Attach pictures:</source>
        <translation>إرفاق صور:</translation>
    </message>
    <message>
        <source>iOS Version:</source>
        <translation>إصدار iOS:</translation>
    </message>
    <message>
        <source>Android Version:</source>
        <translation>إصدار Android:</translation>
    </message>
    <message>
        <source>Hides this window while you select a part of the screen.</source>
        <translation>يُخفي هذه النافذة أثناء تحديدك جزءًا من الشاشة.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Screenshot %1</source>
        <translation>لقطة الشاشة %1</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>إزالة %1</translation>
    </message>
    <message>
        <source>Your report is saved and will be sent automatically.</source>
        <translation>تم حفظ تقريرك وسيُرسَل تلقائيًا.</translation>
    </message>
    <message>
        <source>Save report as file…</source>
        <translation>حفظ كملف…</translation>
    </message>
    <message>
        <source>Save report as file</source>
        <translation>حفظ التقرير كملف</translation>
    </message>
    <message>
        <source>Mail (*.eml)</source>
        <translation>بريد (*.eml)</translation>
    </message>
    <message>
        <source>The report could not be saved to %1.</source>
        <translation>تعذّر حفظ التقرير في %1.</translation>
    </message>
    <message>
        <source>Draft restored.</source>
        <translation>تمت استعادة المسودة.</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>حذف</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>فتح</translation>
    </message>
    <message>
        <source>Picture(*.jpg *.png *.bmp *.gif)</source>
        <translation>صور(*.jpg *.png *.bmp *.gif)</translation>
    </message>
    <message>
        <source>Failed to upload pictures! Please try again.</source>
        <translation>تعذّرت إضافة الصورة. يُرجى المحاولة مرة أخرى.</translation>
    </message>
    <message>
        <source>What is sent?</source>
        <translation>ما الذي يُرسَل؟</translation>
    </message>
    <message>
        <source>Database files too large to send (about %1, limit %2)</source>
        <translation>ملفات قاعدة البيانات أكبر من أن تُرسَل (نحو %1، والحد %2)</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>نحو %1</translation>
    </message>
    <message>
        <source>Getting the mail settings…</source>
        <translation>جارٍ جلب إعدادات البريد…</translation>
    </message>
    <message>
        <source>Packing the files…</source>
        <translation>جارٍ ضغط الملفات…</translation>
    </message>
    <message>
        <source>Connecting to the mail server…</source>
        <translation>جارٍ الاتصال بخادم البريد…</translation>
    </message>
    <message>
        <source>Sending: %1 of %2</source>
        <translation>جارٍ الإرسال: %1 من %2</translation>
    </message>
    <message>
        <source>Cancelling…</source>
        <translation>جارٍ الإلغاء…</translation>
    </message>
    <message>
        <source>Submitted Successfully!</source>
        <translation>تم الإرسال بنجاح!</translation>
    </message>
    <message>
        <source>&lt;p&gt;Your feedback is highly appreciated. We&apos;ll handle it soon. &lt;a href = &quot;rewrite&quot;&gt;&lt;span style=&quot; underline; %1&quot;&gt;Provide more feedback&gt;&gt;&lt;/a&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;شكرًا لملاحظاتك، سنتعامل معها قريبًا. &lt;a href = &quot;rewrite&quot;&gt;&lt;span style=&quot; underline; %1&quot;&gt;ملاحظات أخرى&gt;&gt;&lt;/a&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Failed to submit your feedback.</source>
        <translation>تعذّر إرسال ملاحظاتك.</translation>
    </message>
    <message>
        <source>&lt;p&gt; Please make sure that your network connection is active, and then &lt;a href = &quot;try again&quot;&gt;&lt;span style=&quot; underline; %1 &quot;&gt;try again&lt;/span&gt;&lt;/a&gt;.&lt;/p&gt;</source>
        <translation>&lt;p&gt; تأكّد من أن اتصالك بالشبكة يعمل، ثم &lt;a href = &quot;try again&quot;&gt;&lt;span style=&quot; underline; %1 &quot;&gt;أعد المحاولة&lt;/span&gt;&lt;/a&gt;.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Failed for an unknown error!</source>
        <translation>فشل الإرسال بسبب خطأ غير معروف!</translation>
    </message>
    <message>
        <source>&lt;p&gt; Please &lt;a href = &quot;try again&quot;&gt;&lt;span style=&quot; underline; %1 &quot;&gt;try again&lt;/span&gt;&lt;/a&gt;. If it fails again, please send an email to &lt;a href = &quot;%3&quot;&gt;&lt;span style=&quot; underline; %2&quot;&gt;%3&lt;/span&gt;&lt;/a&gt;.&lt;/p&gt;</source>
        <translation>&lt;p&gt; يُرجى &lt;a href = &quot;try again&quot;&gt;&lt;span style=&quot; underline; %1 &quot;&gt;إعادة المحاولة&lt;/span&gt;&lt;/a&gt;. إذا تكرر الفشل، فراسلنا على &lt;a href = &quot;%3&quot;&gt;&lt;span style=&quot; underline; %2&quot;&gt;%3&lt;/span&gt;&lt;/a&gt;.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Reference: %1</source>
        <translation>المرجع: %1</translation>
    </message>
    <message>
        <source>Email:</source>
        <translation>البريد الإلكتروني:</translation>
    </message>
    <message>
        <source>*</source>
        <translation>*</translation>
    </message>
    <message>
        <source>Enter your email address</source>
        <translation>أدخل بريدك الإلكتروني</translation>
    </message>
    <message>
        <source>Invalid email address!</source>
        <translation>عنوان البريد الإلكتروني غير صالح!</translation>
    </message>
    <message>
        <source>Content:</source>
        <translation>المحتوى:</translation>
    </message>
    <message>
        <source>Write your comments, suggestions, or questions here…</source>
        <translation>اكتب تعليقاتك أو اقتراحاتك أو أسئلتك هنا…</translation>
    </message>
    <message>
        <source>Computer OS:</source>
        <translation>نظام تشغيل الحاسوب:</translation>
    </message>
    <message>
        <source> iTunes Version：</source>
        <translation> إصدار iTunes:</translation>
    </message>
    <message>
        <source>Attach Log Files </source>
        <translation>إرفاق ملفات السجل</translation>
    </message>
    <message>
        <source>Attach Database Files </source>
        <translation>إرفاق ملفات قاعدة البيانات</translation>
    </message>
    <message>
        <source>Note: Database files include the personal data on your device or in your backup files.</source>
        <translation>ملاحظة: تتضمن ملفات قاعدة البيانات البيانات الشخصية الموجودة على جهازك أو في نسخك الاحتياطية.</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>TextLabel</translation>
    </message>
    <message>
        <source>Submitting...</source>
        <translation>جارٍ الإرسال…</translation>
    </message>
    <message>
        <source>Your report could not be saved for a later attempt.</source>
        <translation>تعذّر حفظ تقريرك لمحاولة لاحقة.</translation>
    </message>
    <message>
        <source>Waiting for the copy being sent in the background…</source>
        <translation>جارٍ انتظار النسخة التي تُرسَل في الخلفية…</translation>
    </message>
</context>
<context>
    <name>CPictureEditor</name>
    <message>
        <source>Hide parts of the picture</source>
        <translation>إخفاء أجزاء من الصورة</translation>
    </message>
    <message>
        <source>Drag over what should not be sent. It is blacked out in the picture that is sent.</source>
        <translation>اسحب فوق ما لا يجب إرساله، وسيُطمس باللون الأسود في الصورة المُرسَلة.</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>الصورة</translation>
    </message>
    <message>
        <source>This picture cannot be edited.</source>
        <translation>لا يمكن تعديل هذه الصورة.</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>تراجع</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>تم</translation>
    </message>
    <message>
        <source>The picture could not be saved.</source>
        <translation>تعذّر حفظ الصورة.</translation>
    </message>
</context>
<context>
    <name>CReportDetails</name>
    <message>
        <source>What is sent?</source>
        <translation>ما الذي يُرسَل؟</translation>
    </message>
    <message>
        <source>This is what the report carries if you submit it now.</source>
        <translation>هذا ما يتضمنه التقرير إذا أرسلته الآن.</translation>
    </message>
    <message>
        <source>Report text</source>
        <translation>نص التقرير</translation>
    </message>
    <message>
        <source>Composing…</source>
        <translation>جارٍ الإعداد…</translation>
    </message>
    <message>
        <source>Attached files</source>
        <translation>الملفات المرفقة</translation>
    </message>
    <message>
        <source>File</source>
        <translation>الملف</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>الحجم</translation>
    </message>
    <message>
        <source>Screenshots and pictures</source>
        <translation>لقطات الشاشة والصور</translation>
    </message>
    <message>
        <source>Working out the size…</source>
        <translation>جارٍ حساب الحجم…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 بايت</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 كيلوبايت</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 ميغابايت</translation>
    </message>
    <message>
        <source>The mail: about %1</source>
        <translation>البريد: نحو %1</translation>
    </message>
    <message>
        <source>An archive of the files below</source>
        <translation>أرشيف يضم الملفات أدناه</translation>
    </message>
    <message>
        <source>about %1</source>
        <translation>نحو %1</translation>
    </message>
    <message>
        <source>Too large to send (limit %1)</source>
        <translation>أكبر من أن يُرسَل (الحد %1)</translation>
    </message>
    <message numerus="yes">
        <source>and %n more file(s)</source>
        <translation>
            <numerusform>ولا ملفات أخرى</numerusform>
            <numerusform>وملف آخر</numerusform>
            <numerusform>وملفان آخران</numerusform>
            <numerusform>و%n ملفات أخرى</numerusform>
            <numerusform>و%n ملفًا آخر</numerusform>
            <numerusform>و%n ملف آخر</numerusform>
        </translation>
    </message>
    <message>
        <source>(no files)</source>
        <translation>(لا توجد ملفات)</translation>
    </message>
    <message>
        <source>No files: only the text is sent.</source>
        <translation>لا توجد ملفات: يُرسَل النص فقط.</translation>
    </message>
    <message>
        <source>Mask them in the sent copy</source>
        <translation>إخفاؤها في النسخة المُرسَلة</translation>
    </message>
    <message>
        <source>The logs are sent with each of these replaced by &lt;email&gt;, &lt;secret&gt; or ~. The log files on your computer are not changed.</source>
        <translation>تُرسَل السجلات مع استبدال كلٍّ من هذه العناصر بـ &lt;email&gt; أو &lt;secret&gt; أو ~. لا تتغيّر ملفات السجل على حاسوبك.</translation>
    </message>
    <message>
        <source>Hide parts…</source>
        <translation>إخفاء أجزاء…</translation>
    </message>
    <message>
        <source>Black out parts of the chosen picture before it is sent</source>
        <translation>طمس أجزاء من الصورة المختارة باللون الأسود قبل إرسالها</translation>
    </message>
    <message>
        <source>%1 (masked copies)</source>
        <translation>%1 (نسخ مُخفاة البيانات)</translation>
    </message>
    <message>
        <source>Says what was masked or hidden and how much, never what</source>
        <translation>يذكر نوع ما أُخفي وعدده، دون محتواه أبدًا</translation>
    </message>
    <message>
        <source>Checking the logs for addresses and secrets…</source>
        <translation>جارٍ فحص السجلات بحثًا عن العناوين والأسرار…</translation>
    </message>
    <message>
        <source>The logs show no e-mail addresses, passwords, tokens, keys or home folders.</source>
        <translation>لا تحتوي السجلات على عناوين بريد إلكتروني أو كلمات مرور أو رموز مميزة أو مفاتيح أو مجلدات شخصية.</translation>
    </message>
    <message numerus="yes">
        <source>%n e-mail address(es)</source>
        <translation>
            <numerusform>لا عناوين بريد إلكتروني</numerusform>
            <numerusform>عنوان بريد إلكتروني واحد</numerusform>
            <numerusform>عنوانا بريد إلكتروني</numerusform>
            <numerusform>%n عناوين بريد إلكتروني</numerusform>
            <numerusform>%n عنوانًا بريديًا</numerusform>
            <numerusform>%n عنوان بريد إلكتروني</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n value(s) that look like passwords, tokens or keys</source>
        <translation>
            <numerusform>لا قيم تشبه كلمات المرور أو الرموز أو المفاتيح</numerusform>
            <numerusform>قيمة واحدة تشبه كلمة مرور أو رمزًا أو مفتاحًا</numerusform>
            <numerusform>قيمتان تشبهان كلمات مرور أو رموزًا أو مفاتيح</numerusform>
            <numerusform>%n قيم تشبه كلمات مرور أو رموزًا أو مفاتيح</numerusform>
            <numerusform>%n قيمة تشبه كلمات مرور أو رموزًا أو مفاتيح</numerusform>
            <numerusform>%n قيمة تشبه كلمات مرور أو رموزًا أو مفاتيح</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n path(s) with a home folder</source>
        <translation>
            <numerusform>لا مسارات تتضمن مجلدًا شخصيًا</numerusform>
            <numerusform>مسار واحد يتضمن مجلدًا شخصيًا</numerusform>
            <numerusform>مساران يتضمنان مجلدًا شخصيًا</numerusform>
            <numerusform>%n مسارات تتضمن مجلدًا شخصيًا</numerusform>
            <numerusform>%n مسارًا يتضمن مجلدًا شخصيًا</numerusform>
            <numerusform>%n مسار يتضمن مجلدًا شخصيًا</numerusform>
        </translation>
    </message>
    <message>
        <source>The logs contain %1 that may be private.</source>
        <translation>تحتوي السجلات على %1 قد تكون خاصة.</translation>
    </message>
    <message>
        <source>, </source>
        <translation>، </translation>
    </message>
</context>
<context>
    <name>CScreenImg</name>
    <message>
        <source>Save the selection</source>
        <translation>حفظ التحديد</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>HostInfo</name>
    <message>
        <source>Unknown iTunes Version</source>
        <translation>iTunes: مجهول</translation>
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
        <translation>نموذج</translation>
    </message>
</context>
<context>
    <name>PZMessageBox</name>
    <message>
        <source>Note</source>
        <translation>ملاحظة</translation>
    </message>
    <message>
        <source>PZMessageBox</source>
        <translation>رسالة</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
</context>
<context>
    <name>PZStyleWidgetTitle</name>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
</context>
</TS>
