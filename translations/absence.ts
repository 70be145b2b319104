<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>TDataSession</name>
    <message>
        <source>Some records of the data files could not be read and were skipped or repaired (%1 warnings, listed under Show Details).<byte value="xd"/><byte value="xd"/>Before anything is saved over them, the data files as they are now will be copied into a new folder &quot;Originals-&lt;date&gt;-&lt;time&gt;&quot; in &quot;%2&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Departments: %1, employees: %2, reasons: %3, entries: %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, newest entry: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TDateEdit</name>
    <message>
        <source>Show Calendar</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TDialogButtons</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFileDialogs</name>
    <message>
        <source>%1<byte value="xd"/>This file does not exist.<byte value="xd"/>Do you want to create it?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TGuardedApplication</name>
    <message>
        <source>An unexpected error occurred:<byte value="xd"/><byte value="xd"/></source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/><byte value="xd"/>Your unsaved changes were kept in &quot;%1&quot;; the next start of Absence offers to restore them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An error of an unknown kind.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TMessageBox</name>
    <message>
        <source>&amp;Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Abort</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ignore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TVersionInfo</name>
    <message>
        <source>Version %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>absence::ui::TDataSession</name>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Changes to the Absence data cannot be saved:<byte value="xd"/><byte value="xd"/></source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/><byte value="xd"/>Open the Absence data read-only? Changes cannot be saved. Choose No to quit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Absence data could not be read:<byte value="xd"/><byte value="xd"/></source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another program changed the Absence data since it was read (%1).<byte value="xd"/><byte value="xd"/>Yes: keep their data and read it again.<byte value="xd"/>No: overwrite it with yours.<byte value="xd"/>Cancel: keep theirs and save yours as a backup file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Absence data is open read-only; changes cannot be saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Absence data was open read-only.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/><byte value="xd"/>Your changes were kept in the backup file &quot;%1&quot;; choose &quot;Restore from Backup...&quot; to bring them back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/><byte value="xd"/>Your changes could not be kept in a backup file either:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Absence data was successfully backed up.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The backup file &quot;%1&quot; holds:<byte value="xd"/>%2<byte value="xd"/><byte value="xd"/>Your current Absence data holds:<byte value="xd"/>%3<byte value="xd"/><byte value="xd"/>Do you want to replace your current data with the backup?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some records of the backup file could not be read and were skipped or repaired (%1 warnings, listed under Show Details).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Absence data was successfully restored.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Absence ended unexpectedly, and the changes it had not saved were kept in &quot;%1&quot;.<byte value="xd"/><byte value="xd"/>Restore them now? (Otherwise the file is kept as &quot;%2&quot;.)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>absence::ui::TDateEdit</name>
    <message>
        <source>The date you entered - %1 - is not valid.<byte value="xd"/><byte value="xd"/> </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please make sure your date is in the &quot;%1&quot; format.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>absence::ui::TfrmHelp</name>
    <message>
        <source>Absence Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type the word(s) to find:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;ontents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Absence Help - </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>absence::ui::TfrmPickDate</name>
    <message>
        <source>Select a Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
