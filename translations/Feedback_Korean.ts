<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>CFeedback</name>
    <message>
        <source>Mobile Phone Brand</source>
        <translation>휴대폰 브랜드</translation>
    </message>
    <message>
        <source>Phone Model</source>
        <translation>휴대폰 모델</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>피드백</translation>
    </message>
    <message>
        <source>Write your comments, suggestions, or questions here...</source>
        <translation>의견, 제안 또는 질문을 여기에 입력하세요…</translation>
    </message>
    <message>
        <source>Crash Report</source>
        <translation>충돌 보고서</translation>
    </message>
    <message>
        <source>Please tell us how you were using the program when it crashed.</source>
        <translation>프로그램이 충돌했을 때 어떤 작업을 하고 계셨는지 알려 주세요.</translation>
    </message>
    <message>
        <source>Please provide as much detail as you can. That will help us quickly and correctly understand the problem you met.</source>
        <translation>가능한 한 자세히 작성해 주세요. 겪고 계신 문제를 빠르고 정확하게 파악하는 데 도움이 됩니다.</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>보내기</translation>
    </message>
    <message>
        <source>Screen capture:</source>
        <translation>화면 캡처:</translation>
    </message>
    <message>
        <source>Attach pictures:</source>
        <translation>사진 첨부:</translation>
    </message>
    <message>
        <source>iOS Version:</source>
        <translation>iOS 버전:</translation>
    </message>
    <message>
        <source>Android Version:</source>
        <translation>Android 버전:</translation>
    </message>
    <message>
        <source>Hides this window while you select a part of the screen.</source>
        <translation>화면 영역을 선택하는 동안 이 창은 숨겨집니다.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Screenshot %1</source>
        <translation>스크린샷 %1</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>%1 제거</translation>
    </message>
    <message>
        <source>Your report is saved and will be sent automatically.</source>
        <translation>보고서가 저장되었으며 자동으로 전송됩니다.</translation>
    </message>
    <message>
        <source>Save report as file…</source>
        <translation>파일로 저장…</translation>
    </message>
    <message>
        <source>Save report as file</source>
        <translation>보고서를 파일로 저장</translation>
    </message>
    <message>
        <source>Mail (*.eml)</source>
        <translation>메일 (*.eml)</translation>
    </message>
    <message>
        <source>The report could not be saved to %1.</source>
        <translation>보고서를 %1에 저장할 수 없습니다.</translation>
    </message>
    <message>
        <source>Draft restored.</source>
        <translation>임시 저장본을 복원했습니다.</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>열기</translation>
    </message>
    <message>
        <source>Picture(*.jpg *.png *.bmp *.gif)</source>
        <translation>그림(*.jpg *.png *.bmp *.gif)</translation>
    </message>
    <message>
        <source>Failed to upload pictures! Please try again.</source>
        <translation>사진을 추가하지 못했습니다. 다시 시도해 주세요.</translation>
    </message>
    <message>
        <source>What is sent?</source>
        <translation>전송되는 내용</translation>
    </message>
    <message>
        <source>Database files too large to send (about %1, limit %2)</source>
        <translation>데이터베이스 파일이 너무 커서 보낼 수 없습니다(약 %1, 한도 %2)</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>약 %1</translation>
    </message>
    <message>
        <source>Getting the mail settings…</source>
        <translation>메일 설정을 가져오는 중…</translation>
    </message>
    <message>
        <source>Packing the files…</source>
        <translation>파일을 압축하는 중…</translation>
    </message>
    <message>
        <source>Connecting to the mail server…</source>
        <translation>메일 서버에 연결하는 중…</translation>
    </message>
    <message>
        <source>Sending: %1 of %2</source>
        <translation>보내는 중: %1 / %2</translation>
    </message>
    <message>
        <source>Cancelling…</source>
        <translation>취소하는 중…</translation>
    </message>
    <message>
        <source>Submitted Successfully!</source>
        <translation>전송했습니다!</translation>
    </message>
    <message>
        <source>&lt;p&gt;Your feedback is highly appreciated. We&apos;ll handle it soon. &lt;a href = &quot;rewrite&quot;&gt;&lt;span style=&quot; underline; %1&quot;&gt;Provide more feedback&gt;&gt;&lt;/a&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;소중한 의견에 감사드립니다. 빠르게 처리하겠습니다. &lt;a href = &quot;rewrite&quot;&gt;&lt;span style=&quot; underline; %1&quot;&gt;의견 더 보내기&gt;&gt;&lt;/a&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Failed to submit your feedback.</source>
        <translation>피드백을 보내지 못했습니다.</translation>
    </message>
    <message>
        <source>&lt;p&gt; Please make sure that your network connection is active, and then &lt;a href = &quot;try again&quot;&gt;&lt;span style=&quot; underline; %1 &quot;&gt;try again&lt;/span&gt;&lt;/a&gt;.&lt;/p&gt;</source>
        <translation>&lt;p&gt; 네트워크 연결이 활성화되어 있는지 확인한 후 &lt;a href = &quot;try again&quot;&gt;&lt;span style=&quot; underline; %1 &quot;&gt;다시 시도&lt;/span&gt;&lt;/a&gt;해 주세요.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Failed for an unknown error!</source>
        <translation>알 수 없는 오류로 실패했습니다!</translation>
    </message>
    <message>
        <source>&lt;p&gt; Please &lt;a href = &quot;try again&quot;&gt;&lt;span style=&quot; underline; %1 &quot;&gt;try again&lt;/span&gt;&lt;/a&gt;. If it fails again, please send an email to &lt;a href = &quot;%3&quot;&gt;&lt;span style=&quot; underline; %2&quot;&gt;%3&lt;/span&gt;&lt;/a&gt;.&lt;/p&gt;</source>
        <translation>&lt;p&gt; &lt;a href = &quot;try again&quot;&gt;&lt;span style=&quot; underline; %1 &quot;&gt;다시 시도&lt;/span&gt;&lt;/a&gt;해 주세요. 계속 실패하면 &lt;a href = &quot;%3&quot;&gt;&lt;span style=&quot; underline; %2&quot;&gt;%3&lt;/span&gt;&lt;/a&gt;(으)로 이메일을 보내 주세요.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Reference: %1</source>
        <translation>참조 번호: %1</translation>
    </message>
    <message>
        <source>Email:</source>
        <translation>이메일:</translation>
    </message>
    <message>
        <source>*</source>
        <translation>*</translation>
    </message>
    <message>
        <source>Enter your email address</source>
        <translation>이메일 주소를 입력하세요</translation>
    </message>
    <message>
        <source>Invalid email address!</source>
        <translation>잘못된 이메일 주소입니다!</translation>
    </message>
    <message>
        <source>Content:</source>
        <translation>내용:</translation>
    </message>
    <message>
        <source>Write your comments, suggestions, or questions here…</source>
        <translation>의견, 제안 또는 질문을 여기에 입력하세요…</translation>
    </message>
    <message>
        <source>Computer OS:</source>
        <translation>컴퓨터 OS:</translation>
    </message>
    <message>
        <source> iTunes Version：</source>
        <translation> iTunes 버전:</translation>
    </message>
    <message>
        <source>Attach Log Files </source>
        <translation>로그 파일 첨부</translation>
    </message>
    <message>
        <source>Attach Database Files </source>
        <translation>데이터베이스 파일 첨부</translation>
    </message>
    <message>
        <source>Note: Database files include the personal data on your device or in your backup files.</source>
        <translation>참고: 데이터베이스 파일에는 기기 또는 백업 파일의 개인 데이터가 포함됩니다.</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>TextLabel</translation>
    </message>
    <message>
        <source>Submitting...</source>
        <translation>보내는 중…</translation>
    </message>
    <message>
        <source>Your report could not be saved for a later attempt.</source>
        <translation>나중에 다시 보내도록 보고서를 저장하지 못했습니다.</translation>
    </message>
    <message>
        <source>Waiting for the copy being sent in the background…</source>
        <translation>백그라운드에서 전송 중인 사본을 기다리는 중…</translation>
    </message>
</context>
<context>
    <name>CPictureEditor</name>
    <message>
        <source>Hide parts of the picture</source>
        <translation>사진 일부 가리기</translation>
    </message>
    <message>
        <source>Drag over what should not be sent. It is blacked out in the picture that is sent.</source>
        <translation>보내지 않을 부분을 드래그하세요. 전송되는 사진에서 검게 가려집니다.</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>사진</translation>
    </message>
    <message>
        <source>This picture cannot be edited.</source>
        <translation>이 사진은 편집할 수 없습니다.</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>실행 취소</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>완료</translation>
    </message>
    <message>
        <source>The picture could not be saved.</source>
        <translation>사진을 저장하지 못했습니다.</translation>
    </message>
</context>
<context>
    <name>CReportDetails</name>
    <message>
        <source>What is sent?</source>
        <translation>전송되는 내용</translation>
    </message>
    <message>
        <source>This is what the report carries if you submit it now.</source>
        <translation>지금 보내면 보고서에 다음 내용이 포함됩니다.</translation>
    </message>
    <message>
        <source>Report text</source>
        <translation>보고서 본문</translation>
    </message>
    <message>
        <source>Composing…</source>
        <translation>작성하는 중…</translation>
    </message>
    <message>
        <source>Attached files</source>
        <translation>첨부 파일</translation>
    </message>
    <message>
        <source>File</source>
        <translation>파일</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>크기</translation>
    </message>
    <message>
        <source>Screenshots and pictures</source>
        <translation>스크린샷 및 사진</translation>
    </message>
    <message>
        <source>Working out the size…</source>
        <translation>크기를 계산하는 중…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1바이트</translation>
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
        <translation>메일 크기: 약 %1</translation>
    </message>
    <message>
        <source>An archive of the files below</source>
        <translation>아래 파일을 묶은 압축 파일</translation>
    </message>
    <message>
        <source>about %1</source>
        <translation>약 %1</translation>
    </message>
    <message>
        <source>Too large to send (limit %1)</source>
        <translation>너무 커서 보낼 수 없음(한도 %1)</translation>
    </message>
    <message numerus="yes">
        <source>and %n more file(s)</source>
        <translation>
            <numerusform>외 파일 %n개</numerusform>
        </translation>
    </message>
    <message>
        <source>(no files)</source>
        <translation>(파일 없음)</translation>
    </message>
    <message>
        <source>No files: only the text is sent.</source>
        <translation>파일 없음: 텍스트만 전송됩니다.</translation>
    </message>
    <message>
        <source>Mask them in the sent copy</source>
        <translation>전송되는 사본에서 가리기</translation>
    </message>
    <message>
        <source>The logs are sent with each of these replaced by &lt;email&gt;, &lt;secret&gt; or ~. The log files on your computer are not changed.</source>
        <translation>전송되는 로그에서는 각 항목이 &lt;email&gt;, &lt;secret&gt; 또는 ~로 바뀝니다. 컴퓨터에 있는 로그 파일은 변경되지 않습니다.</translation>
    </message>
    <message>
        <source>Hide parts…</source>
        <translation>일부 가리기…</translation>
    </message>
    <message>
        <source>Black out parts of the chosen picture before it is sent</source>
        <translation>보내기 전에 선택한 사진의 일부를 검게 가립니다</translation>
    </message>
    <message>
        <source>%1 (masked copies)</source>
        <translation>%1(가린 사본)</translation>
    </message>
    <message>
        <source>Says what was masked or hidden and how much, never what</source>
        <translation>가리거나 숨긴 항목의 종류와 개수만 알려 주며 내용은 포함하지 않습니다</translation>
    </message>
    <message>
        <source>Checking the logs for addresses and secrets…</source>
        <translation>로그에서 주소와 비밀 정보를 확인하는 중…</translation>
    </message>
    <message>
        <source>The logs show no e-mail addresses, passwords, tokens, keys or home folders.</source>
        <translation>로그에 이메일 주소, 비밀번호, 토큰, 키 또는 홈 폴더가 없습니다.</translation>
    </message>
    <message numerus="yes">
        <source>%n e-mail address(es)</source>
        <translation>
            <numerusform>이메일 주소 %n개</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n value(s) that look like passwords, tokens or keys</source>
        <translation>
            <numerusform>비밀번호, 토큰 또는 키로 보이는 값 %n개</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n path(s) with a home folder</source>
        <translation>
            <numerusform>홈 폴더가 포함된 경로 %n개</numerusform>
        </translation>
    </message>
    <message>
        <source>The logs contain %1 that may be private.</source>
        <translation>로그에 개인 정보일 수 있는 %1이(가) 있습니다.</translation>
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
        <translation>선택 영역 저장</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>HostInfo</name>
    <message>
        <source>Unknown iTunes Version</source>
        <translation>iTunes 미확인</translation>
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
        <translation>폼</translation>
    </message>
</context>
<context>
    <name>PZMessageBox</name>
    <message>
        <source>Note</source>
        <translation>알림</translation>
    </message>
    <message>
        <source>PZMessageBox</source>
        <translation>메시지</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
</context>
<context>
    <name>PZStyleWidgetTitle</name>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
</context>
</TS>
