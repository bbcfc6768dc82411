<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>CFeedback</name>
    <message>
        <source>Mobile Phone Brand</source>
        <translation>Marca del teléfono</translation>
    </message>
    <message>
        <source>Phone Model</source>
        <translation>Modelo del teléfono</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Comentarios</translation>
    </message>
    <message>
        <source>Write your comments, suggestions, or questions here...</source>
        <translation>Escriba aquí sus comentarios, sugerencias o preguntas…</translation>
    </message>
    <message>
        <source>Crash Report</source>
        <translation>Informe de fallo</translation>
    </message>
    <message>
        <source>Please tell us how you were using the program when it crashed.</source>
        <translation>Cuéntenos qué estaba haciendo con el programa cuando falló.</translation>
    </message>
    <message>
        <source>Please provide as much detail as you can. That will help us quickly and correctly understand the problem you met.</source>
        <translation>Proporcione tantos detalles como pueda. Así podremos entender su problema de forma rápida y correcta.</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Enviar</translation>
    </message>
    <message>
        <source>Screen capture:</source>
        <translation>Captura de pantalla:</translation>
    </message>
    <message>
        <source>Attach pictures:</source>
        <translation>Adjuntar imágenes:</translation>
    </message>
    <message>
        <source>iOS Version:</source>
        <translation>Versión de iOS:</translation>
    </message>
    <message>
        <source>Android Version:</source>
        <translation>Versión de Android:</translation>
    </message>
    <message>
        <source>Hides this window while you select a part of the screen.</source>
        <translation>Oculta esta ventana mientras selecciona una parte de la pantalla.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Screenshot %1</source>
        <translation>Captura %1</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>Quitar %1</translation>
    </message>
    <message>
        <source>Your report is saved and will be sent automatically.</source>
        <translation>Su informe se ha guardado y se enviará automáticamente.</translation>
    </message>
    <message>
        <source>Save report as file…</source>
        <translation>Guardar como archivo…</translation>
    </message>
    <message>
        <source>Save report as file</source>
        <translation>Guardar el informe como archivo</translation>
    </message>
    <message>
        <source>Mail (*.eml)</source>
        <translation>Correo (*.eml)</translation>
    </message>
    <message>
        <source>The report could not be saved to %1.</source>
        <translation>No se pudo guardar el informe en %1.</translation>
    </message>
    <message>
        <source>Draft restored.</source>
        <translation>Borrador recuperado.</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Descartar</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Picture(*.jpg *.png *.bmp *.gif)</source>
        <translation>Imágenes(*.jpg *.png *.bmp *.gif)</translation>
    </message>
    <message>
        <source>Failed to upload pictures! Please try again.</source>
        <translation>No se pudo añadir la imagen. Inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>What is sent?</source>
        <translation>¿Qué se envía?</translation>
    </message>
    <message>
        <source>Database files too large to send (about %1, limit %2)</source>
        <translation>Base de datos demasiado grande (unos %1, límite %2)</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Unos %1</translation>
    </message>
    <message>
        <source>Getting the mail settings…</source>
        <translation>Obteniendo la configuración de correo…</translation>
    </message>
    <message>
        <source>Packing the files…</source>
        <translation>Empaquetando los archivos…</translation>
    </message>
    <message>
        <source>Connecting to the mail server…</source>
        <translation>Conectando con el servidor de correo…</translation>
    </message>
    <message>
        <source>Sending: %1 of %2</source>
        <translation>Enviando: %1 de %2</translation>
    </message>
    <message>
        <source>Cancelling…</source>
        <translation>Cancelando…</translation>
    </message>
    <message>
        <source>Submitted Successfully!</source>
        <translation>¡Enviado correctamente!</translation>
    </message>
    <message>
        <source>&lt;p&gt;Your feedback is highly appreciated. We&apos;ll handle it soon. &lt;a href = &quot;rewrite&quot;&gt;&lt;span style=&quot; underline; %1&quot;&gt;Provide more feedback&gt;&gt;&lt;/a&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;Agradecemos mucho sus comentarios. Los atenderemos pronto. &lt;a href = &quot;rewrite&quot;&gt;&lt;span style=&quot; underline; %1&quot;&gt;Enviar más comentarios&gt;&gt;&lt;/a&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Failed to submit your feedback.</source>
        <translation>No se pudieron enviar sus comentarios.</translation>
    </message>
    <message>
        <source>&lt;p&gt; Please make sure that your network connection is active, and then &lt;a href = &quot;try again&quot;&gt;&lt;span style=&quot; underline; %1 &quot;&gt;try again&lt;/span&gt;&lt;/a&gt;.&lt;/p&gt;</source>
        <translation>&lt;p&gt; Compruebe que su conexión de red esté activa y &lt;a href = &quot;try again&quot;&gt;&lt;span style=&quot; underline; %1 &quot;&gt;vuelva a intentarlo&lt;/span&gt;&lt;/a&gt;.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Failed for an unknown error!</source>
        <translation>¡Error desconocido al enviar!</translation>
    </message>
    <message>
        <source>&lt;p&gt; Please &lt;a href = &quot;try again&quot;&gt;&lt;span style=&quot; underline; %1 &quot;&gt;try again&lt;/span&gt;&lt;/a&gt;. If it fails again, please send an email to &lt;a href = &quot;%3&quot;&gt;&lt;span style=&quot; underline; %2&quot;&gt;%3&lt;/span&gt;&lt;/a&gt;.&lt;/p&gt;</source>
        <translation>&lt;p&gt; &lt;a href = &quot;try again&quot;&gt;&lt;span style=&quot; underline; %1 &quot;&gt;Vuelva a intentarlo&lt;/span&gt;&lt;/a&gt;. Si vuelve a fallar, escriba a &lt;a href = &quot;%3&quot;&gt;&lt;span style=&quot; underline; %2&quot;&gt;%3&lt;/span&gt;&lt;/a&gt;.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Reference: %1</source>
        <translation>Referencia: %1</translation>
    </message>
    <message>
        <source>Email:</source>
        <translation>Correo:</translation>
    </message>
    <message>
        <source>*</source>
        <translation>*</translation>
    </message>
    <message>
        <source>Enter your email address</source>
        <translation>Su correo electrónico</translation>
    </message>
    <message>
        <source>Invalid email address!</source>
        <translation>¡Correo electrónico no válido!</translation>
    </message>
    <message>
        <source>Content:</source>
        <translation>Contenido:</translation>
    </message>
    <message>
        <source>Write your comments, suggestions, or questions here…</source>
        <translation>Escriba aquí sus comentarios, sugerencias o preguntas…</translation>
    </message>
    <message>
        <source>Computer OS:</source>
        <translation>Sistema operativo:</translation>
    </message>
    <message>
        <source> iTunes Version：</source>
        <translation> Versión de iTunes:</translation>
    </message>
    <message>
        <source>Attach Log Files </source>
        <translation>Adjuntar registros</translation>
    </message>
    <message>
        <source>Attach Database Files </source>
        <translation>Adjuntar base de datos</translation>
    </message>
    <message>
        <source>Note: Database files include the personal data on your device or in your backup files.</source>
        <translation>Nota: la base de datos incluye los datos personales de su dispositivo o de sus copias de seguridad.</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>TextLabel</translation>
    </message>
    <message>
        <source>Submitting...</source>
        <translation>Enviando…</translation>
    </message>
    <message>
        <source>Your report could not be saved for a later attempt.</source>
        <translation>No se pudo guardar su informe para un nuevo intento.</translation>
    </message>
    <message>
        <source>Waiting for the copy being sent in the background…</source>
        <translation>Esperando la copia que se envía en segundo plano…</translation>
    </message>
</context>
<context>
    <name>CPictureEditor</name>
    <message>
        <source>Hide parts of the picture</source>
        <translation>Ocultar partes de la imagen</translation>
    </message>
    <message>
        <source>Drag over what should not be sent. It is blacked out in the picture that is sent.</source>
        <translation>Arrastre sobre lo que no debe enviarse. Se tapará en negro en la imagen enviada.</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Imagen</translation>
    </message>
    <message>
        <source>This picture cannot be edited.</source>
        <translation>Esta imagen no se puede editar.</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>The picture could not be saved.</source>
        <translation>No se pudo guardar la imagen.</translation>
    </message>
</context>
<context>
    <name>CReportDetails</name>
    <message>
        <source>What is sent?</source>
        <translation>¿Qué se envía?</translation>
    </message>
    <message>
        <source>This is what the report carries if you submit it now.</source>
        <translation>Esto es lo que incluye el informe si lo envía ahora.</translation>
    </message>
    <message>
        <source>Report text</source>
        <translation>Texto del informe</translation>
    </message>
    <message>
        <source>Composing…</source>
        <translation>Preparando…</translation>
    </message>
    <message>
        <source>Attached files</source>
        <translation>Archivos adjuntos</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Screenshots and pictures</source>
        <translation>Capturas e imágenes</translation>
    </message>
    <message>
        <source>Working out the size…</source>
        <translation>Calculando el tamaño…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 bytes</translation>
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
        <translation>El correo: unos %1</translation>
    </message>
    <message>
        <source>An archive of the files below</source>
        <translation>Un archivo comprimido con los archivos siguientes</translation>
    </message>
    <message>
        <source>about %1</source>
        <translation>unos %1</translation>
    </message>
    <message>
        <source>Too large to send (limit %1)</source>
        <translation>Demasiado grande para enviar (límite %1)</translation>
    </message>
    <message numerus="yes">
        <source>and %n more file(s)</source>
        <translation>
            <numerusform>y %n archivo más</numerusform>
            <numerusform>y %n archivos más</numerusform>
        </translation>
    </message>
    <message>
        <source>(no files)</source>
        <translation>(sin archivos)</translation>
    </message>
    <message>
        <source>No files: only the text is sent.</source>
        <translation>Sin archivos: solo se envía el texto.</translation>
    </message>
    <message>
        <source>Mask them in the sent copy</source>
        <translation>Enmascararlos en la copia enviada</translation>
    </message>
    <message>
        <source>The logs are sent with each of these replaced by &lt;email&gt;, &lt;secret&gt; or ~. The log files on your computer are not changed.</source>
        <translation>Los registros se envían con cada uno de estos elementos sustituido por &lt;email&gt;, &lt;secret&gt; o ~. Los archivos de registro de su equipo no cambian.</translation>
    </message>
    <message>
        <source>Hide parts…</source>
        <translation>Ocultar partes…</translation>
    </message>
    <message>
        <source>Black out parts of the chosen picture before it is sent</source>
        <translation>Tapar en negro partes de la imagen elegida antes de enviarla</translation>
    </message>
    <message>
        <source>%1 (masked copies)</source>
        <translation>%1 (copias enmascaradas)</translation>
    </message>
    <message>
        <source>Says what was masked or hidden and how much, never what</source>
        <translation>Indica qué tipo y cuántos elementos se ocultaron, nunca su contenido</translation>
    </message>
    <message>
        <source>Checking the logs for addresses and secrets…</source>
        <translation>Buscando direcciones y secretos en los registros…</translation>
    </message>
    <message>
        <source>The logs show no e-mail addresses, passwords, tokens, keys or home folders.</source>
        <translation>Los registros no contienen direcciones de correo, contraseñas, tokens, claves ni carpetas personales.</translation>
    </message>
    <message numerus="yes">
        <source>%n e-mail address(es)</source>
        <translation>
            <numerusform>%n dirección de correo</numerusform>
            <numerusform>%n direcciones de correo</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n value(s) that look like passwords, tokens or keys</source>
        <translation>
            <numerusform>%n valor que parece una contraseña, un token o una clave</numerusform>
            <numerusform>%n valores que parecen contraseñas, tokens o claves</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n path(s) with a home folder</source>
        <translation>
            <numerusform>%n ruta con una carpeta personal</numerusform>
            <numerusform>%n rutas con una carpeta personal</numerusform>
        </translation>
    </message>
    <message>
        <source>The logs contain %1 that may be private.</source>
        <translation>Los registros contienen %1 que pueden ser privados.</translation>
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
        <translation>Guardar la selección</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>HostInfo</name>
    <message>
        <source>Unknown iTunes Version</source>
        <translation>iTunes: N/D</translation>
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
        <translation>Formulario</translation>
    </message>
</context>
<context>
    <name>PZMessageBox</name>
    <message>
        <source>Note</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>PZMessageBox</source>
        <translation>Mensaje</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>PZStyleWidgetTitle</name>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
</TS>
