<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>CFeedback</name>
    <message>
        <source>Mobile Phone Brand</source>
        <translation>Marca do celular</translation>
    </message>
    <message>
        <source>Phone Model</source>
        <translation>Modelo do celular</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Feedback</translation>
    </message>
    <message>
        <source>Write your comments, suggestions, or questions here...</source>
        <translation>Escreva aqui seus comentários, sugestões ou dúvidas…</translation>
    </message>
    <message>
        <source>Crash Report</source>
        <translation>Relatório de falha</translation>
    </message>
    <message>
        <source>Please tell us how you were using the program when it crashed.</source>
        <translation>Conte-nos o que você estava fazendo no programa quando ele falhou.</translation>
    </message>
    <message>
        <source>Please provide as much detail as you can. That will help us quickly and correctly understand the problem you met.</source>
        <translation>Dê o máximo de detalhes possível. Isso nos ajuda a entender seu problema com rapidez e precisão.</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Enviar</translation>
    </message>
    <message>
        <source>Screen capture:</source>
        <translation>Captura de tela:</translation>
    </message>
    <message>
        <source>Attach pictures:</source>
        <translation>Anexar imagens:</translation>
    </message>
    <message>
        <source>iOS Version:</source>
        <translation>Versão do iOS:</translation>
    </message>
    <message>
        <source>Android Version:</source>
        <translation>Versão do Android:</translation>
    </message>
    <message>
        <source>Hides this window while you select a part of the screen.</source>
        <translation>Oculta esta janela enquanto você seleciona uma parte da tela.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Screenshot %1</source>
        <translation>Captura de tela %1</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>Remover %1</translation>
    </message>
    <message>
        <source>Your report is saved and will be sent automatically.</source>
        <translation>Seu relatório foi salvo e será enviado automaticamente.</translation>
    </message>
    <message>
        <source>Save report as file…</source>
        <translation>Salvar como arquivo…</translation>
    </message>
    <message>
        <source>Save report as file</source>
        <translation>Salvar relatório como arquivo</translation>
    </message>
    <message>
        <source>Mail (*.eml)</source>
        <translation>E-mail (*.eml)</translation>
    </message>
    <message>
        <source>The report could not be saved to %1.</source>
        <translation>Não foi possível salvar o relatório em %1.</translation>
    </message>
    <message>
        <source>Draft restored.</source>
        <translation>Rascunho restaurado.</translation>
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
        <translation>Imagens(*.jpg *.png *.bmp *.gif)</translation>
    </message>
    <message>
        <source>Failed to upload pictures! Please try again.</source>
        <translation>Não foi possível adicionar a imagem. Tente novamente.</translation>
    </message>
    <message>
        <source>What is sent?</source>
        <translation>O que é enviado?</translation>
    </message>
    <message>
        <source>Database files too large to send (about %1, limit %2)</source>
        <translation>Banco de dados grande demais (cerca de %1, limite %2)</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Cerca de %1</translation>
    </message>
    <message>
        <source>Getting the mail settings…</source>
        <translation>Obtendo as configurações de e-mail…</translation>
    </message>
    <message>
        <source>Packing the files…</source>
        <translation>Compactando os arquivos…</translation>
    </message>
    <message>
        <source>Connecting to the mail server…</source>
        <translation>Conectando ao servidor de e-mail…</translation>
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
        <translation>Enviado com sucesso!</translation>
    </message>
    <message>
        <source>&lt;p&gt;Your feedback is highly appreciated. We&apos;ll handle it soon. &lt;a href = &quot;rewrite&quot;&gt;&lt;span style=&quot; underline; %1&quot;&gt;Provide more feedback&gt;&gt;&lt;/a&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;Agradecemos muito o seu feedback. Vamos analisá-lo em breve. &lt;a href = &quot;rewrite&quot;&gt;&lt;span style=&quot; underline; %1&quot;&gt;Enviar mais feedback&gt;&gt;&lt;/a&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Failed to submit your feedback.</source>
        <translation>Não foi possível enviar seu feedback.</translation>
    </message>
    <message>
        <source>&lt;p&gt; Please make sure that your network connection is active, and then &lt;a href = &quot;try again&quot;&gt;&lt;span style=&quot; underline; %1 &quot;&gt;try again&lt;/span&gt;&lt;/a&gt;.&lt;/p&gt;</source>
        <translation>&lt;p&gt; Verifique se sua conexão de rede está ativa e &lt;a href = &quot;try again&quot;&gt;&lt;span style=&quot; underline; %1 &quot;&gt;tente novamente&lt;/span&gt;&lt;/a&gt;.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Failed for an unknown error!</source>
        <translation>Falha por um erro desconhecido!</translation>
    </message>
    <message>
        <source>&lt;p&gt; Please &lt;a href = &quot;try again&quot;&gt;&lt;span style=&quot; underline; %1 &quot;&gt;try again&lt;/span&gt;&lt;/a&gt;. If it fails again, please send an email to &lt;a href = &quot;%3&quot;&gt;&lt;span style=&quot; underline; %2&quot;&gt;%3&lt;/span&gt;&lt;/a&gt;.&lt;/p&gt;</source>
        <translation>&lt;p&gt; &lt;a href = &quot;try again&quot;&gt;&lt;span style=&quot; underline; %1 &quot;&gt;Tente novamente&lt;/span&gt;&lt;/a&gt;. Se falhar de novo, envie um e-mail para &lt;a href = &quot;%3&quot;&gt;&lt;span style=&quot; underline; %2&quot;&gt;%3&lt;/span&gt;&lt;/a&gt;.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Reference: %1</source>
        <translation>Referência: %1</translation>
    </message>
    <message>
        <source>Email:</source>
        <translation>E-mail:</translation>
    </message>
    <message>
        <source>*</source>
        <translation>*</translation>
    </message>
    <message>
        <source>Enter your email address</source>
        <translation>Seu endereço de e-mail</translation>
    </message>
    <message>
        <source>Invalid email address!</source>
        <translation>Endereço de e-mail inválido!</translation>
    </message>
    <message>
        <source>Content:</source>
        <translation>Conteúdo:</translation>
    </message>
    <message>
        <source>Write your comments, suggestions, or questions here…</source>
        <translation>Escreva aqui seus comentários, sugestões ou dúvidas…</translation>
    </message>
    <message>
        <source>Computer OS:</source>
        <translation>Sistema operacional:</translation>
    </message>
    <message>
        <source> iTunes Version：</source>
        <translation> Versão do iTunes:</translation>
    </message>
    <message>
        <source>Attach Log Files </source>
        <translation>Anexar arquivos de log</translation>
    </message>
    <message>
        <source>Attach Database Files </source>
        <translation>Anexar banco de dados</translation>
    </message>
    <message>
        <source>Note: Database files include the personal data on your device or in your backup files.</source>
        <translation>Observação: o banco de dados inclui os dados pessoais do seu dispositivo ou dos seus backups.</translation>
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
        <translation>Não foi possível salvar seu relatório para uma nova tentativa.</translation>
    </message>
    <message>
        <source>Waiting for the copy being sent in the background…</source>
        <translation>Aguardando a cópia enviada em segundo plano…</translation>
    </message>
</context>
<context>
    <name>CPictureEditor</name>
    <message>
        <source>Hide parts of the picture</source>
        <translation>Ocultar partes da imagem</translation>
    </message>
    <message>
        <source>Drag over what should not be sent. It is blacked out in the picture that is sent.</source>
        <translation>Arraste sobre o que não deve ser enviado. Isso fica coberto de preto na imagem enviada.</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Imagem</translation>
    </message>
    <message>
        <source>This picture cannot be edited.</source>
        <translation>Esta imagem não pode ser editada.</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Concluir</translation>
    </message>
    <message>
        <source>The picture could not be saved.</source>
        <translation>Não foi possível salvar a imagem.</translation>
    </message>
</context>
<context>
    <name>CReportDetails</name>
    <message>
        <source>What is sent?</source>
        <translation>O que é enviado?</translation>
    </message>
    <message>
        <source>This is what the report carries if you submit it now.</source>
        <translation>Isto é o que o relatório inclui se você enviá-lo agora.</translation>
    </message>
    <message>
        <source>Report text</source>
        <translation>Texto do relatório</translation>
    </message>
    <message>
        <source>Composing…</source>
        <translation>Preparando…</translation>
    </message>
    <message>
        <source>Attached files</source>
        <translation>Arquivos anexados</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Arquivo</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamanho</translation>
    </message>
    <message>
        <source>Screenshots and pictures</source>
        <translation>Capturas de tela e imagens</translation>
    </message>
    <message>
        <source>Working out the size…</source>
        <translation>Calculando o tamanho…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
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
        <translation>O e-mail: cerca de %1</translation>
    </message>
    <message>
        <source>An archive of the files below</source>
        <translation>Um arquivo compactado com os arquivos abaixo</translation>
    </message>
    <message>
        <source>about %1</source>
        <translation>cerca de %1</translation>
    </message>
    <message>
        <source>Too large to send (limit %1)</source>
        <translation>Grande demais para enviar (limite %1)</translation>
    </message>
    <message numerus="yes">
        <source>and %n more file(s)</source>
        <translation>
            <numerusform>e mais %n arquivo</numerusform>
            <numerusform>e mais %n arquivos</numerusform>
        </translation>
    </message>
    <message>
        <source>(no files)</source>
        <translation>(nenhum arquivo)</translation>
    </message>
    <message>
        <source>No files: only the text is sent.</source>
        <translation>Nenhum arquivo: apenas o texto é enviado.</translation>
    </message>
    <message>
        <source>Mask them in the sent copy</source>
        <translation>Mascará-los na cópia enviada</translation>
    </message>
    <message>
        <source>The logs are sent with each of these replaced by &lt;email&gt;, &lt;secret&gt; or ~. The log files on your computer are not changed.</source>
        <translation>Os logs são enviados com cada um desses itens substituído por &lt;email&gt;, &lt;secret&gt; ou ~. Os arquivos de log no seu computador não são alterados.</translation>
    </message>
    <message>
        <source>Hide parts…</source>
        <translation>Ocultar partes…</translation>
    </message>
    <message>
        <source>Black out parts of the chosen picture before it is sent</source>
        <translation>Cobrir de preto partes da imagem escolhida antes do envio</translation>
    </message>
    <message>
        <source>%1 (masked copies)</source>
        <translation>%1 (cópias mascaradas)</translation>
    </message>
    <message>
        <source>Says what was masked or hidden and how much, never what</source>
        <translation>Informa o tipo e a quantidade do que foi mascarado ou oculto, nunca o conteúdo</translation>
    </message>
    <message>
        <source>Checking the logs for addresses and secrets…</source>
        <translation>Verificando endereços e segredos nos logs…</translation>
    </message>
    <message>
        <source>The logs show no e-mail addresses, passwords, tokens, keys or home folders.</source>
        <translation>Os logs não contêm endereços de e-mail, senhas, tokens, chaves nem pastas pessoais.</translation>
    </message>
    <message numerus="yes">
        <source>%n e-mail address(es)</source>
        <translation>
            <numerusform>%n endereço de e-mail</numerusform>
            <numerusform>%n endereços de e-mail</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n value(s) that look like passwords, tokens or keys</source>
        <translation>
            <numerusform>%n valor que parece senha, token ou chave</numerusform>
            <numerusform>%n valores que parecem senhas, tokens ou chaves</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n path(s) with a home folder</source>
        <translation>
            <numerusform>%n caminho com uma pasta pessoal</numerusform>
            <numerusform>%n caminhos com uma pasta pessoal</numerusform>
        </translation>
    </message>
    <message>
        <source>The logs contain %1 that may be private.</source>
        <translation>Os logs contêm %1 que podem ser privados.</translation>
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
        <translation>Salvar a seleção</translation>
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
        <translation>Formulário</translation>
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
        <translation>Mensagem</translation>
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
        <translation>Fechar</translation>
    </message>
</context>
</TS>
