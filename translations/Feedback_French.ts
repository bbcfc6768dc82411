<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>CFeedback</name>
    <message>
        <source>Mobile Phone Brand</source>
        <translation>Marque du téléphone</translation>
    </message>
    <message>
        <source>Phone Model</source>
        <translation>Modèle du téléphone</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Commentaires</translation>
    </message>
    <message>
        <source>Write your comments, suggestions, or questions here...</source>
        <translation>Écrivez ici vos commentaires, suggestions ou questions…</translation>
    </message>
    <message>
        <source>Crash Report</source>
        <translation>Rapport de plantage</translation>
    </message>
    <message>
        <source>Please tell us how you were using the program when it crashed.</source>
        <translation>Dites-nous ce que vous faisiez dans le programme au moment du plantage.</translation>
    </message>
    <message>
        <source>Please provide as much detail as you can. That will help us quickly and correctly understand the problem you met.</source>
        <translation>Donnez-nous le plus de détails possible : cela nous aidera à comprendre rapidement et précisément votre problème.</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Envoyer</translation>
    </message>
    <message>
        <source>Screen capture:</source>
        <translation>Capture d&apos;écran :</translation>
    </message>
    <message>
        <source>Attach pictures:</source>
        <translation>Joindre des images :</translation>
    </message>
    <message>
        <source>iOS Version:</source>
        <translation>Version d&apos;iOS :</translation>
    </message>
    <message>
        <source>Android Version:</source>
        <translation>Version d&apos;Android :</translation>
    </message>
    <message>
        <source>Hides this window while you select a part of the screen.</source>
        <translation>Masque cette fenêtre pendant que vous sélectionnez une partie de l&apos;écran.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Screenshot %1</source>
        <translation>Capture d&apos;écran %1</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>Retirer %1</translation>
    </message>
    <message>
        <source>Your report is saved and will be sent automatically.</source>
        <translation>Votre rapport est enregistré et sera envoyé automatiquement.</translation>
    </message>
    <message>
        <source>Save report as file…</source>
        <translation>Enregistrer dans un fichier…</translation>
    </message>
    <message>
        <source>Save report as file</source>
        <translation>Enregistrer le rapport dans un fichier</translation>
    </message>
    <message>
        <source>Mail (*.eml)</source>
        <translation>E-mail (*.eml)</translation>
    </message>
    <message>
        <source>The report could not be saved to %1.</source>
        <translation>Impossible d&apos;enregistrer le rapport dans %1.</translation>
    </message>
    <message>
        <source>Draft restored.</source>
        <translation>Brouillon restauré.</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Picture(*.jpg *.png *.bmp *.gif)</source>
        <translation>Images(*.jpg *.png *.bmp *.gif)</translation>
    </message>
    <message>
        <source>Failed to upload pictures! Please try again.</source>
        <translation>Impossible d&apos;ajouter l&apos;image. Veuillez réessayer.</translation>
    </message>
    <message>
        <source>What is sent?</source>
        <translation>Contenu de l&apos;envoi</translation>
    </message>
    <message>
        <source>Database files too large to send (about %1, limit %2)</source>
        <translation>Base de données trop volumineuse (environ %1, limite %2)</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Environ %1</translation>
    </message>
    <message>
        <source>Getting the mail settings…</source>
        <translation>Récupération des paramètres de messagerie…</translation>
    </message>
    <message>
        <source>Packing the files…</source>
        <translation>Compression des fichiers…</translation>
    </message>
    <message>
        <source>Connecting to the mail server…</source>
        <translation>Connexion au serveur de messagerie…</translation>
    </message>
    <message>
        <source>Sending: %1 of %2</source>
        <translation>Envoi : %1 sur %2</translation>
    </message>
    <message>
        <source>Cancelling…</source>
        <translation>Annulation…</translation>
    </message>
    <message>
        <source>Submitted Successfully!</source>
        <translation>Envoyé avec succès !</translation>
    </message>
    <message>
        <source>&lt;p&gt;Your feedback is highly appreciated. We&apos;ll handle it soon. &lt;a href = &quot;rewrite&quot;&gt;&lt;span style=&quot; underline; %1&quot;&gt;Provide more feedback&gt;&gt;&lt;/a&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;Merci pour vos commentaires, nous les traiterons bientôt. &lt;a href = &quot;rewrite&quot;&gt;&lt;span style=&quot; underline; %1&quot;&gt;En envoyer d&apos;autres&gt;&gt;&lt;/a&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Failed to submit your feedback.</source>
        <translation>Vos commentaires n&apos;ont pas pu être envoyés.</translation>
    </message>
    <message>
        <source>&lt;p&gt; Please make sure that your network connection is active, and then &lt;a href = &quot;try again&quot;&gt;&lt;span style=&quot; underline; %1 &quot;&gt;try again&lt;/span&gt;&lt;/a&gt;.&lt;/p&gt;</source>
        <translation>&lt;p&gt; Vérifiez que votre connexion réseau est active, puis &lt;a href = &quot;try again&quot;&gt;&lt;span style=&quot; underline; %1 &quot;&gt;réessayez&lt;/span&gt;&lt;/a&gt;.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Failed for an unknown error!</source>
        <translation>Échec dû à une erreur inconnue !</translation>
    </message>
    <message>
        <source>&lt;p&gt; Please &lt;a href = &quot;try again&quot;&gt;&lt;span style=&quot; underline; %1 &quot;&gt;try again&lt;/span&gt;&lt;/a&gt;. If it fails again, please send an email to &lt;a href = &quot;%3&quot;&gt;&lt;span style=&quot; underline; %2&quot;&gt;%3&lt;/span&gt;&lt;/a&gt;.&lt;/p&gt;</source>
        <translation>&lt;p&gt; Veuillez &lt;a href = &quot;try again&quot;&gt;&lt;span style=&quot; underline; %1 &quot;&gt;réessayer&lt;/span&gt;&lt;/a&gt;. En cas de nouvel échec, écrivez à &lt;a href = &quot;%3&quot;&gt;&lt;span style=&quot; underline; %2&quot;&gt;%3&lt;/span&gt;&lt;/a&gt;.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Reference: %1</source>
        <translation>Référence : %1</translation>
    </message>
    <message>
        <source>Email:</source>
        <translation>E-mail :</translation>
    </message>
    <message>
        <source>*</source>
        <translation>*</translation>
    </message>
    <message>
        <source>Enter your email address</source>
        <translation>Votre adresse e-mail</translation>
    </message>
    <message>
        <source>Invalid email address!</source>
        <translation>Adresse e-mail non valide !</translation>
    </message>
    <message>
        <source>Content:</source>
        <translation>Message :</translation>
    </message>
    <message>
        <source>Write your comments, suggestions, or questions here…</source>
        <translation>Écrivez ici vos commentaires, suggestions ou questions…</translation>
    </message>
    <message>
        <source>Computer OS:</source>
        <translation>Système :</translation>
    </message>
    <message>
        <source> iTunes Version：</source>
        <translation> Version d&apos;iTunes :</translation>
    </message>
    <message>
        <source>Attach Log Files </source>
        <translation>Joindre les journaux</translation>
    </message>
    <message>
        <source>Attach Database Files </source>
        <translation>Joindre la base de données</translation>
    </message>
    <message>
        <source>Note: Database files include the personal data on your device or in your backup files.</source>
        <translation>Remarque : la base de données contient les données personnelles de votre appareil ou de vos sauvegardes.</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>TextLabel</translation>
    </message>
    <message>
        <source>Submitting...</source>
        <translation>Envoi en cours…</translation>
    </message>
    <message>
        <source>Your report could not be saved for a later attempt.</source>
        <translation>Votre rapport n&apos;a pas pu être enregistré pour un nouvel essai.</translation>
    </message>
    <message>
        <source>Waiting for the copy being sent in the background…</source>
        <translation>Attente de la copie envoyée en arrière-plan…</translation>
    </message>
</context>
<context>
    <name>CPictureEditor</name>
    <message>
        <source>Hide parts of the picture</source>
        <translation>Masquer des parties de l&apos;image</translation>
    </message>
    <message>
        <source>Drag over what should not be sent. It is blacked out in the picture that is sent.</source>
        <translation>Faites glisser sur ce qui ne doit pas être envoyé. Ces zones seront noircies dans l&apos;image envoyée.</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>This picture cannot be edited.</source>
        <translation>Cette image ne peut pas être modifiée.</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Défaire</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>The picture could not be saved.</source>
        <translation>L&apos;image n&apos;a pas pu être enregistrée.</translation>
    </message>
</context>
<context>
    <name>CReportDetails</name>
    <message>
        <source>What is sent?</source>
        <translation>Contenu de l&apos;envoi</translation>
    </message>
    <message>
        <source>This is what the report carries if you submit it now.</source>
        <translation>Voici ce que contient le rapport si vous l&apos;envoyez maintenant.</translation>
    </message>
    <message>
        <source>Report text</source>
        <translation>Texte du rapport</translation>
    </message>
    <message>
        <source>Composing…</source>
        <translation>Préparation…</translation>
    </message>
    <message>
        <source>Attached files</source>
        <translation>Fichiers joints</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Screenshots and pictures</source>
        <translation>Captures d&apos;écran et images</translation>
    </message>
    <message>
        <source>Working out the size…</source>
        <translation>Calcul de la taille…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 octets</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 Ko</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 Mo</translation>
    </message>
    <message>
        <source>The mail: about %1</source>
        <translation>Le message : environ %1</translation>
    </message>
    <message>
        <source>An archive of the files below</source>
        <translation>Une archive des fichiers ci-dessous</translation>
    </message>
    <message>
        <source>about %1</source>
        <translation>environ %1</translation>
    </message>
    <message>
        <source>Too large to send (limit %1)</source>
        <translation>Trop volumineux pour l&apos;envoi (limite %1)</translation>
    </message>
    <message numerus="yes">
        <source>and %n more file(s)</source>
        <translation>
            <numerusform>et %n autre fichier</numerusform>
            <numerusform>et %n autres fichiers</numerusform>
        </translation>
    </message>
    <message>
        <source>(no files)</source>
        <translation>(aucun fichier)</translation>
    </message>
    <message>
        <source>No files: only the text is sent.</source>
        <translation>Aucun fichier : seul le texte est envoyé.</translation>
    </message>
    <message>
        <source>Mask them in the sent copy</source>
        <translation>Les masquer dans la copie envoyée</translation>
    </message>
    <message>
        <source>The logs are sent with each of these replaced by &lt;email&gt;, &lt;secret&gt; or ~. The log files on your computer are not changed.</source>
        <translation>Les journaux sont envoyés avec chacun de ces éléments remplacé par &lt;email&gt;, &lt;secret&gt; ou ~. Les fichiers journaux de votre ordinateur ne sont pas modifiés.</translation>
    </message>
    <message>
        <source>Hide parts…</source>
        <translation>Masquer des parties…</translation>
    </message>
    <message>
        <source>Black out parts of the chosen picture before it is sent</source>
        <translation>Noircir des parties de l&apos;image choisie avant l&apos;envoi</translation>
    </message>
    <message>
        <source>%1 (masked copies)</source>
        <translation>%1 (copies masquées)</translation>
    </message>
    <message>
        <source>Says what was masked or hidden and how much, never what</source>
        <translation>Indique le type et le nombre d&apos;éléments masqués, jamais leur contenu</translation>
    </message>
    <message>
        <source>Checking the logs for addresses and secrets…</source>
        <translation>Recherche d&apos;adresses et de secrets dans les journaux…</translation>
    </message>
    <message>
        <source>The logs show no e-mail addresses, passwords, tokens, keys or home folders.</source>
        <translation>Les journaux ne contiennent ni adresse e-mail, ni mot de passe, ni jeton, ni clé, ni dossier personnel.</translation>
    </message>
    <message numerus="yes">
        <source>%n e-mail address(es)</source>
        <translation>
            <numerusform>%n adresse e-mail</numerusform>
            <numerusform>%n adresses e-mail</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n value(s) that look like passwords, tokens or keys</source>
        <translation>
            <numerusform>%n valeur qui ressemble à un mot de passe, un jeton ou une clé</numerusform>
            <numerusform>%n valeurs qui ressemblent à des mots de passe, jetons ou clés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n path(s) with a home folder</source>
        <translation>
            <numerusform>%n chemin avec un dossier personnel</numerusform>
            <numerusform>%n chemins avec un dossier personnel</numerusform>
        </translation>
    </message>
    <message>
        <source>The logs contain %1 that may be private.</source>
        <translation>Les journaux contiennent %1, peut-être privés.</translation>
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
        <translation>Enregistrer la sélection</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>HostInfo</name>
    <message>
        <source>Unknown iTunes Version</source>
        <translation>iTunes : n/d</translation>
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
        <translation>Formulaire</translation>
    </message>
</context>
<context>
    <name>PZMessageBox</name>
    <message>
        <source>Note</source>
        <translation>Remarque</translation>
    </message>
    <message>
        <source>PZMessageBox</source>
        <translation>Message</translation>
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
        <translation>Fermer</translation>
    </message>
</context>
</TS>
