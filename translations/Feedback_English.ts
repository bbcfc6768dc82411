<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>CReportDetails</name>
    <message numerus="yes">
        <source>and %n more file(s)</source>
        <translation>
            <numerusform>and %n more file</numerusform>
            <numerusform>and %n more files</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n e-mail address(es)</source>
        <translation>
            <numerusform>%n e-mail address</numerusform>
            <numerusform>%n e-mail addresses</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n value(s) that look like passwords, tokens or keys</source>
        <translation>
            <numerusform>%n value that looks like a password, token or key</numerusform>
            <numerusform>%n values that look like passwords, tokens or keys</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n path(s) with a home folder</source>
        <translation>
            <numerusform>%n path with a home folder</numerusform>
            <numerusform>%n paths with a home folder</numerusform>
        </translation>
    </message>
</context>
</TS>
