<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>CFeedback</name>
    <message>
        <source>Mobile Phone Brand</source>
        <translation>Марка телефона</translation>
    </message>
    <message>
        <source>Phone Model</source>
        <translation>Модель телефона</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Обратная связь</translation>
    </message>
    <message>
        <source>Write your comments, suggestions, or questions here...</source>
        <translation>Напишите здесь свои комментарии, предложения или вопросы…</translation>
    </message>
    <message>
        <source>Crash Report</source>
        <translation>Отчёт о сбое</translation>
    </message>
    <message>
        <source>Please tell us how you were using the program when it crashed.</source>
        <translation>Расскажите, что вы делали в программе, когда произошёл сбой.</translation>
    </message>
    <message>
        <source>Please provide as much detail as you can. That will help us quickly and correctly understand the problem you met.</source>
        <translation>Опишите проблему как можно подробнее. Это поможет нам быстро и правильно в ней разобраться.</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Отправить</translation>
    </message>
    <message>
        <source>Screen capture:</source>
        <translation>Снимок экрана:</translation>
    </message>
    <message>
        <source>Attach pictures:</source>
        <translation>Прикрепить изображения:</translation>
    </message>
    <message>
        <source>iOS Version:</source>
        <translation>Версия iOS:</translation>
    </message>
    <message>
        <source>Android Version:</source>
        <translation>Версия Android:</translation>
    </message>
    <message>
        <source>Hides this window while you select a part of the screen.</source>
        <translation>Скрывает это окно, пока вы выбираете область экрана.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Screenshot %1</source>
        <translation>Снимок экрана %1</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>Удалить: %1</translation>
    </message>
    <message>
        <source>Your report is saved and will be sent automatically.</source>
        <translation>Отчёт сохранён и будет отправлен автоматически.</translation>
    </message>
    <message>
        <source>Save report as file…</source>
        <translation>Сохранить в файл…</translation>
    </message>
    <message>
        <source>Save report as file</source>
        <translation>Сохранить отчёт в файл</translation>
    </message>
    <message>
        <source>Mail (*.eml)</source>
        <translation>Письмо (*.eml)</translation>
    </message>
    <message>
        <source>The report could not be saved to %1.</source>
        <translation>Не удалось сохранить отчёт в %1.</translation>
    </message>
    <message>
        <source>Draft restored.</source>
        <translation>Черновик восстановлен.</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Picture(*.jpg *.png *.bmp *.gif)</source>
        <translation>Изображения(*.jpg *.png *.bmp *.gif)</translation>
    </message>
    <message>
        <source>Failed to upload pictures! Please try again.</source>
        <translation>Не удалось добавить изображение. Попробуйте ещё раз.</translation>
    </message>
    <message>
        <source>What is sent?</source>
        <translation>Состав отчёта</translation>
    </message>
    <message>
        <source>Database files too large to send (about %1, limit %2)</source>
        <translation>Файлы базы данных слишком велики (около %1, предел %2)</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Около %1</translation>
    </message>
    <message>
        <source>Getting the mail settings…</source>
        <translation>Получение настроек почты…</translation>
    </message>
    <message>
        <source>Packing the files…</source>
        <translation>Упаковка файлов…</translation>
    </message>
    <message>
        <source>Connecting to the mail server…</source>
        <translation>Подключение к почтовому серверу…</translation>
    </message>
    <message>
        <source>Sending: %1 of %2</source>
        <translation>Отправка: %1 из %2</translation>
    </message>
    <message>
        <source>Cancelling…</source>
        <translation>Отмена…</translation>
    </message>
    <message>
        <source>Submitted Successfully!</source>
        <translation>Успешно отправлено!</translation>
    </message>
    <message>
        <source>&lt;p&gt;Your feedback is highly appreciated. We&apos;ll handle it soon. &lt;a href = &quot;rewrite&quot;&gt;&lt;span style=&quot; underline; %1&quot;&gt;Provide more feedback&gt;&gt;&lt;/a&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;Большое спасибо за ваш отзыв. Мы скоро его рассмотрим. &lt;a href = &quot;rewrite&quot;&gt;&lt;span style=&quot; underline; %1&quot;&gt;Оставить ещё отзыв&gt;&gt;&lt;/a&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Failed to submit your feedback.</source>
        <translation>Не удалось отправить отзыв.</translation>
    </message>
    <message>
        <source>&lt;p&gt; Please make sure that your network connection is active, and then &lt;a href = &quot;try again&quot;&gt;&lt;span style=&quot; underline; %1 &quot;&gt;try again&lt;/span&gt;&lt;/a&gt;.&lt;/p&gt;</source>
        <translation>&lt;p&gt; Убедитесь, что подключение к сети активно, и &lt;a href = &quot;try again&quot;&gt;&lt;span style=&quot; underline; %1 &quot;&gt;повторите попытку&lt;/span&gt;&lt;/a&gt;.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Failed for an unknown error!</source>
        <translation>Сбой из-за неизвестной ошибки!</translation>
    </message>
    <message>
        <source>&lt;p&gt; Please &lt;a href = &quot;try again&quot;&gt;&lt;span style=&quot; underline; %1 &quot;&gt;try again&lt;/span&gt;&lt;/a&gt;. If it fails again, please send an email to &lt;a href = &quot;%3&quot;&gt;&lt;span style=&quot; underline; %2&quot;&gt;%3&lt;/span&gt;&lt;/a&gt;.&lt;/p&gt;</source>
        <translation>&lt;p&gt; &lt;a href = &quot;try again&quot;&gt;&lt;span style=&quot; underline; %1 &quot;&gt;Повторите попытку&lt;/span&gt;&lt;/a&gt;. Если ошибка повторится, напишите на &lt;a href = &quot;%3&quot;&gt;&lt;span style=&quot; underline; %2&quot;&gt;%3&lt;/span&gt;&lt;/a&gt;.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Reference: %1</source>
        <translation>Номер обращения: %1</translation>
    </message>
    <message>
        <source>Email:</source>
        <translation>Эл. почта:</translation>
    </message>
    <message>
        <source>*</source>
        <translation>*</translation>
    </message>
    <message>
        <source>Enter your email address</source>
        <translation>Ваш адрес эл. почты</translation>
    </message>
    <message>
        <source>Invalid email address!</source>
        <translation>Неверный адрес эл. почты!</translation>
    </message>
    <message>
        <source>Content:</source>
        <translation>Сообщение:</translation>
    </message>
    <message>
        <source>Write your comments, suggestions, or questions here…</source>
        <translation>Напишите здесь свои комментарии, предложения или вопросы…</translation>
    </message>
    <message>
        <source>Computer OS:</source>
        <translation>ОС компьютера:</translation>
    </message>
    <message>
        <source> iTunes Version：</source>
        <translation> Версия iTunes:</translation>
    </message>
    <message>
        <source>Attach Log Files </source>
        <translation>Прикрепить журналы</translation>
    </message>
    <message>
        <source>Attach Database Files </source>
        <translation>Прикрепить базу данных</translation>
    </message>
    <message>
        <source>Note: Database files include the personal data on your device or in your backup files.</source>
        <translation>Примечание: файлы базы данных содержат личные данные с вашего устройства или из резервных копий.</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>TextLabel</translation>
    </message>
    <message>
        <source>Submitting...</source>
        <translation>Отправка…</translation>
    </message>
    <message>
        <source>Your report could not be saved for a later attempt.</source>
        <translation>Не удалось сохранить отчёт для повторной попытки.</translation>
    </message>
    <message>
        <source>Waiting for the copy being sent in the background…</source>
        <translation>Ожидание копии, отправляемой в фоне…</translation>
    </message>
</context>
<context>
    <name>CPictureEditor</name>
    <message>
        <source>Hide parts of the picture</source>
        <translation>Скрыть части изображения</translation>
    </message>
    <message>
        <source>Drag over what should not be sent. It is blacked out in the picture that is sent.</source>
        <translation>Выделите мышью то, что не должно быть отправлено. В отправляемом изображении это будет закрашено чёрным.</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Изображение</translation>
    </message>
    <message>
        <source>This picture cannot be edited.</source>
        <translation>Это изображение нельзя изменить.</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Отменить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>The picture could not be saved.</source>
        <translation>Не удалось сохранить изображение.</translation>
    </message>
</context>
<context>
    <name>CReportDetails</name>
    <message>
        <source>What is sent?</source>
        <translation>Состав отчёта</translation>
    </message>
    <message>
        <source>This is what the report carries if you submit it now.</source>
        <translation>Вот что будет в отчёте, если отправить его сейчас.</translation>
    </message>
    <message>
        <source>Report text</source>
        <translation>Текст отчёта</translation>
    </message>
    <message>
        <source>Composing…</source>
        <translation>Составление…</translation>
    </message>
    <message>
        <source>Attached files</source>
        <translation>Вложенные файлы</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Размер</translation>
    </message>
    <message>
        <source>Screenshots and pictures</source>
        <translation>Снимки экрана и изображения</translation>
    </message>
    <message>
        <source>Working out the size…</source>
        <translation>Вычисление размера…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 байт</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 КБ</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 МБ</translation>
    </message>
    <message>
        <source>The mail: about %1</source>
        <translation>Письмо: около %1</translation>
    </message>
    <message>
        <source>An archive of the files below</source>
        <translation>Архив с файлами ниже</translation>
    </message>
    <message>
        <source>about %1</source>
        <translation>около %1</translation>
    </message>
    <message>
        <source>Too large to send (limit %1)</source>
        <translation>Слишком велик для отправки (предел %1)</translation>
    </message>
    <message numerus="yes">
        <source>and %n more file(s)</source>
        <translation>
            <numerusform>и ещё %n файл</numerusform>
            <numerusform>и ещё %n файла</numerusform>
            <numerusform>и ещё %n файлов</numerusform>
        </translation>
    </message>
    <message>
        <source>(no files)</source>
        <translation>(нет файлов)</translation>
    </message>
    <message>
        <source>No files: only the text is sent.</source>
        <translation>Файлов нет: отправляется только текст.</translation>
    </message>
    <message>
        <source>Mask them in the sent copy</source>
        <translation>Скрыть их в отправляемой копии</translation>
    </message>
    <message>
        <source>The logs are sent with each of these replaced by &lt;email&gt;, &lt;secret&gt; or ~. The log files on your computer are not changed.</source>
        <translation>Журналы отправляются с заменой каждого такого фрагмента на &lt;email&gt;, &lt;secret&gt; или ~. Файлы журналов на вашем компьютере не меняются.</translation>
    </message>
    <message>
        <source>Hide parts…</source>
        <translation>Скрыть части…</translation>
    </message>
    <message>
        <source>Black out parts of the chosen picture before it is sent</source>
        <translation>Закрасить чёрным части выбранного изображения перед отправкой</translation>
    </message>
    <message>
        <source>%1 (masked copies)</source>
        <translation>%1 (копии со скрытыми данными)</translation>
    </message>
    <message>
        <source>Says what was masked or hidden and how much, never what</source>
        <translation>Сообщает, что и сколько было скрыто, но не само содержимое</translation>
    </message>
    <message>
        <source>Checking the logs for addresses and secrets…</source>
        <translation>Поиск адресов и секретных данных в журналах…</translation>
    </message>
    <message>
        <source>The logs show no e-mail addresses, passwords, tokens, keys or home folders.</source>
        <translation>В журналах нет адресов эл. почты, паролей, токенов, ключей и домашних папок.</translation>
    </message>
    <message numerus="yes">
        <source>%n e-mail address(es)</source>
        <translation>
            <numerusform>%n адрес эл. почты</numerusform>
            <numerusform>%n адреса эл. почты</numerusform>
            <numerusform>%n адресов эл. почты</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n value(s) that look like passwords, tokens or keys</source>
        <translation>
            <numerusform>%n значение, похожее на пароль, токен или ключ</numerusform>
            <numerusform>%n значения, похожих на пароли, токены или ключи</numerusform>
            <numerusform>%n значений, похожих на пароли, токены или ключи</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n path(s) with a home folder</source>
        <translation>
            <numerusform>%n путь с домашней папкой</numerusform>
            <numerusform>%n пути с домашней папкой</numerusform>
            <numerusform>%n путей с домашней папкой</numerusform>
        </translation>
    </message>
    <message>
        <source>The logs contain %1 that may be private.</source>
        <translation>Журналы содержат %1 — возможно, личные данные.</translation>
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
        <translation>Сохранить выделенную область</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>HostInfo</name>
    <message>
        <source>Unknown iTunes Version</source>
        <translation>iTunes: н/д</translation>
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
        <translation>Форма</translation>
    </message>
</context>
<context>
    <name>PZMessageBox</name>
    <message>
        <source>Note</source>
        <translation>Сообщение</translation>
    </message>
    <message>
        <source>PZMessageBox</source>
        <translation>Сообщение</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
</context>
<context>
    <name>PZStyleWidgetTitle</name>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
</context>
</TS>
