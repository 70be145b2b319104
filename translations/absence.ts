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
    <message>
        <source>&amp;Help</source>
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
    <name>TfrmHistory</name>
    <message>
        <source>Entries added</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entries changed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entry deleted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entries restored</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Employee added</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Employee changed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Balances changed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Balances restored</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Records deleted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Records restored</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reason added</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reason changed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Policy changed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Department added</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Department changed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore from backup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Changes abandoned</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>absence::ui::EntryFlows</name>
    <message>
        <source>The absence hours of %1 would total %2. Record them anyway?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>absence::ui::StartHint</name>
    <message>
        <source>To begin: Edit &gt; Absence Reasons..., then Edit &gt; Employees...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No absence reasons yet: add them with Edit &gt; Absence Reasons...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No employees yet: add them with Edit &gt; Employees...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To look around first, make the demo organisation with absence-cli sample FOLDER and start absence --data FOLDER.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>absence::ui::TAboutBox</name>
    <message>
        <source>About Absence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keeps the absence records of a small organisation: employees, departments, absence reasons with accrual policies, balances and reports.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data folder: %1
Settings file: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>absence::ui::TAccrualBalances</name>
    <message>
        <source>EMPLOYEE BENEFIT ACCRUAL BALANCES</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accrual Balance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Accrual Balances</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accrual Balances Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Absence Reason</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As Of Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Benefit Accrual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Benefit Accrual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Employee Accrual Balances</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>absence::ui::TBalancesPanel</name>
    <message>
        <source>Reason</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Used</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Available</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Balance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Employee Absence Reason Balances for:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>as of %1</source>
        <extracomment>After the year over the balances: the date the figures are for.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>absence::ui::TCalendarGrid</name>
    <message>
        <source>%1 %2 hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, for everyone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, today</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, not employed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>absence::ui::TCalendarPanel</name>
    <message>
        <source>User/Anniv</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anniversary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reason</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>|Drag the Reason to the selected date(s) to add a Absence entry.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back one week</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forward one week</source>
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
    <message>
        <source>The Absence data was saved, but the change history could not be written (listed under Show Details).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The change history could not be written:<byte value="xd"/><byte value="xd"/></source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The change history could not be kept with the backup:<byte value="xd"/><byte value="xd"/></source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The change history kept with the backup could not be restored:<byte value="xd"/><byte value="xd"/></source>
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
    <name>absence::ui::TDayList</name>
    <message>
        <source>Entries for</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entries for %1,  %2 %3</source>
        <extracomment>The heading over the day&apos;s entries: weekday, month, day.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>absence::ui::THistoryModel</name>
    <message>
        <source>and %1 more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Before → After</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>absence::ui::THolidayPlanModel</name>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Already there</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Holiday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reason</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Action</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>absence::ui::THolidayPreview</name>
    <message>
        <source>&amp;Reason:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Hours:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n day(s) to add</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n already there.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>absence::ui::TListWindow</name>
    <message>
        <source>&amp;New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>absence::ui::TMainActions</name>
    <message>
        <source>&amp;Save Current Changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save|Save all changes to the data files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Abandon All Changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abandon|Discard all changes made since the last save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Backup Data...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backup|Copy all Absence data into a backup file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Restore from Backup...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore|Replace all Absence data with a backup file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Printer Setup...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printer Setup|Choose the printer and its settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import Data...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import|Read employees or absences from a text file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export Data...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export|Write employees or absences to a text file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export &amp;Calendar...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calendar|Write all absences to a calendar file (iCalendar)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Month-End...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Month-End|Write the payroll summary and the employee statements of a month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit|Save all changes and close Absence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Absence Entries...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List Absence|View all Absence entries of the employee for the year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Global Absence Entries...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Global Entries|Add an Absence entry for all employees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Employees...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Employees|Add, edit and delete employees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Departments...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Departments|Add, edit and delete departments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Absence &amp;Reasons...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reasons|Add, edit and delete absence reasons and policies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>History|The saved changes to the data, newest first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preferences|Change the tool bar, hour display and defaults</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Absence Taken...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Absence Taken|Report the absences taken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Absence &amp;Balances...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Balances|Report the balances of the absence reasons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Employee &amp;Information...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Employee Information|Report the employees&apos; records</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Month Calendar...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Month Calendar|Print month calendars of absences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Department Information...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Department Information|Report the departments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Employee &amp;Statements...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Employee Statements|Print a statement of absences and balances for each employee to sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contents|Show the contents of Absence Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Search for Help On...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search|Search Absence Help by keyword</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;How to Use Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How to Use Help|How the help window works</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Technical Support</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Technical Support|How to get help with Absence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tip of the &amp;Day...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tip of the Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reporting Problems...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reporting Problems</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Absence...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About|Version and copyright of Absence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Employee Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Employee Data|Click to view/edit the employee&apos;s information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Calendar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Calendar|Click to select a beginning date for the calendar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Absence Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Absence Help|Click to display help for the Main Screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find Employee</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find Employee|Go to the employee box</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo|Take back the last change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo|Make the change taken back again</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>absence::ui::TMainMenus</name>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>absence::ui::TMainToolbar</name>
    <message>
        <source>&amp;List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List Absence|Click to view all Absence entries for the year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;mp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Employee Data|Click to view/edit the employee&apos;s information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Global</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Global Entry|Click to add a Absence entry for all active employees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Dates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Calendar|Click to select a beginning date for the calendar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Absence Help|Click to display help for the Main Screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Employee</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>absence::ui::TPVPreviewForm</name>
    <message>
        <source>Report Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom Page Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom Whole Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>absence::ui::TPVSetupForm</name>
    <message>
        <source>Print to File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF file (*.pdf)|*.pdf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No printers installed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Print Range </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Selected Printer </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Options </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Collate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither a page nor a range of pages. Please enter the pages to print like this: 1,3-4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The report has no page %1. Please enter pages from 1 to %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The range %1 ends before it begins. Please enter its first page first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter the pages to print, for example 1,3-4.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>absence::ui::TTrashCan</name>
    <message>
        <source>Delete Absence|Drag a Absence entry to the trash can to remove it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Absence|Drag a Absence entry to the trash can to remove it or double-click to Undelete an entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trash</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>absence::ui::TfrmAbsenceRec</name>
    <message>
        <source>Absence Entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reason</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Global Absence Entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Absence Entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The absence date may not be before the employee&apos;s start date (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The hours must be from 0 to %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>absence::ui::TfrmAccrualRec</name>
    <message>
        <source>New Benefit Accrual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reason</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accrued &amp;Hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;As Of Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Benefit Accrual</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>absence::ui::TfrmAddHolidays</name>
    <message>
        <source>Add Holidays for Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Year:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>absence::ui::TfrmBalanceExplanation</name>
    <message>
        <source>How this balance was reached</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>absence::ui::TfrmConvert</name>
    <message>
        <source>Export Calendar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export complete.  The calendar file holds %1 event.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export complete.  The calendar file holds %1 events.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calendar File (*.ics)|*.ics|Any File (*.*)|*.*</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Calendar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skip this page next time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>At any time you can click on the Cancel button and abandon your work.  The information will only be imported or exported when you click on the Finish button that appears at the end of the process.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Employee Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Employee Absence Taken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please make sure you have reviewed the Help information on importing and exporting information to be sure you are using the right file format and that your data will be complete.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Absence Entries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected Absence Entries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starting on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ending on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Which Absence entries to you want to export?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What do you want to do with the information already in Absence?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace the information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add to the information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comma Delimited</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tab Delimited</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fixed Length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Character encoding:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What format is your data in?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Here is your data summary:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 line(s) repeated an employee&apos;s copy of a company-wide entry; the copies stay with their global entries.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 line(s) with negative hours were skipped: there is no company-wide entry of that reason on that day to exempt the employee from.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import employees (replace)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import employees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import absences (replace)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import absences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  Do you want to continue?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import complete.  Do you want to Import another file?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export complete.  Do you want to Export another file?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>employee</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>employees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>absence entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>absence entries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>opening balance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>opening balances</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This removes %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  Removing:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  Replacing all existing Employees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  Adding to existing Employees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Absence Information </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  Replacing all existing Absence entries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  Adding to existing Absence entries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  From:	%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  To:	%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import from:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export to:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data File (*.txt)|*.txt|Any File (*.*)|*.*</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Wizard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Wizard</source>
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
    <message>
        <source>&amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The next few screens will help you import information into Absence.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The next few screens will help you export information out of Absence.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Which type of information do you want to import?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Which type of information do you want to export?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where is the import file located?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the exported information as...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter a Start Date for the Absence entries you wish to export.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter an End Date for the Absence entries you wish to export.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The End Date can not be before the Start Date.  Please try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Data File you selected does not exist.  Please check your selection and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select the location of your data file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The directory does not exist.  Do you want to create it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Employees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Absence Taken</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>absence::ui::TfrmDept</name>
    <message>
        <source>&lt;No Manager&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Department</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dept ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Active</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Departments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Departments Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Department</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>absence::ui::TfrmDeptRec</name>
    <message>
        <source>&lt;No Manager&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Department</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Department is Active</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dept ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A record for this department already exists.  Please change the department name and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A record for this department already exits, but has been deleted.  Please change the Department Name or Undelete the existing record.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>absence::ui::TfrmEmp</name>
    <message>
        <source>Current Employees Only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Former Employees Only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Employees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;No Department&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Employee ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Term Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Benefits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Department</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Employees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Employee</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Employees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Employees Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Employee List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>absence::ui::TfrmEmpRec</name>
    <message>
        <source>Edit Employee</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Employee</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;No Department&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Eligible to accrue benefit hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accruals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;First Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Last Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Employee &amp;ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Start Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Term Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>De&amp;partment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter a start date for this employee.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A Benefit Accrual Balance has an As Of Date prior to the start date entered for this employee.<byte value="xd"/><byte value="xd"/>Do you want to use the start date for the As Of Date of the Accrual Balance record?</source>
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
    <name>absence::ui::TfrmHistory</name>
    <message>
        <source>History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Employee:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reason:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Department:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Saved from:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xport...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(all employees)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(all reasons)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(all departments)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(all kinds)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>saved %1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV file (*.csv)|*.csv|Any file (*.*)|*.*</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>absence::ui::TfrmHolidayRules</name>
    <message>
        <source>Holiday Rules</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start from:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No rules</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The holiday rules have faults; correct them before saving.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>absence::ui::TfrmImportHolidays</name>
    <message>
        <source>Import Holidays</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Calendar file:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Years:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a calendar file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The first year is after the last.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>iCalendar files (*.ics)|*.ics|Any file (*.*)|*.*</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>absence::ui::TfrmMain</name>
    <message>
        <source>Absence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo %1|Take back: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo %1|Make again: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All entries and changes since the beginning of this session or since your last save will be lost.<byte value="xd"/><byte value="xd"/>Are you sure you want to abandon all changes?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No printer has been detected on this computer, so all printing and reporting functions have been disabled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backup Absence Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore from Absence Backup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Absence Backup (*.abk)|*.abk|Any file (*.*)|*.*</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Absence - read-only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>read-only</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>absence::ui::TfrmMonthEnd</name>
    <message>
        <source>Month-End</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comma</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Semicolon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Month:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Folder:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV &amp;delimiter:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Month-End Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please choose an existing folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The month-end files for %1 %2 are written to %3:<byte value="xd"/><byte value="xd"/>%4</source>
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
<context>
    <name>absence::ui::TfrmPreferences</name>
    <message>
        <source>Preferences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tool Bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hour Display</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Employees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default Hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Organization</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display Tool Bar buttons:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Picture Only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Te&amp;xt Only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture &amp;and Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Button &amp;Border</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test Button</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display hours to the nearest:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Whole</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tenth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Hundredth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Actual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display and select from:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;All Employees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Current Employees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Former Employees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Default Hours per Absence Entry:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record and display time in:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start &amp;Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Da&amp;y</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Define the benefit year as:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Organization name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printed at the top of every report and list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Automatic backups kept:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each save keeps the data it replaces in the Backups folder beside the data files; 0 keeps none.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Default Days per Entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Default Hours per Entry</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>absence::ui::TfrmPrintCalendar</name>
    <message>
        <source>Month Calendar Selection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Departments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Print Global Absence entries </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Once per day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Once for each employee</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Department</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>absence::ui::TfrmPrinterSetup</name>
    <message>
        <source>Printer Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P&amp;ortrait</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Landscape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Printer:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lists and reports print in this orientation; the month calendar always prints in landscape.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>absence::ui::TfrmReasonRec</name>
    <message>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Reason is active</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Reason has accrual policy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accrual of this benefit is based on the</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Calendar Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Anniversary Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> User defined Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hours Available are based on hours earned</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> As of Month End</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> As of Year End</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Absence Reason</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Absence Reason</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A record for this reason already exists.  Please change the reason and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A record for this reason already exits, but has been deleted.  Please change the reason or Undelete the existing record.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>absence::ui::TfrmReasons</name>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anniversary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User Defined</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As of Year End</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As of Month End</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Without an accrual policy, &quot;%1&quot; loses its %2 and the opening balances of %3.<byte value="xd"/><byte value="xd"/>Remove the accrual policy?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 tier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 tiers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 employee</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 employees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reason</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Active</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Policy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accrual Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hours Available</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Absence Reasons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Absence Reason</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Absence Reasons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Absence Reasons Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P&amp;olicy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Benefit Policy Wizard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Absence Reasons List</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>absence::ui::TfrmRuleWizard</name>
    <message>
        <source>Benefit Policy Wizard </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Examples</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The next few screens will help you enter your policy information into Absence.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>At any time you can click on the Cancel button and abandon your work.  The information you enter here will only be saved when you click on the Finish button that appears at the end of the process.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Examples button will give you several examples of how to set up a company policy.  Each company&apos;s policies are different, but the examples provide guidelines on how to setup a policy.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skip this page next time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An employee who has worked for your company for</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>at least</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Months</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Years</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>up to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hours for the period</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hours per year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>will earn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hours into the next year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>and can carry over up to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Note:&lt;/b&gt; The up to period can not be greater than 80 years (960 months).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Here is the policy information you just entered. If it is correct, click on the Finish  button.  If you need to make changes, click on the Back button.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An employee who has worked for your company for...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>and carry over</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The &quot;up to&quot; period must be greater than the &quot;at least&quot; period.  Please check your entry and make the necessary correction.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Finish</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>absence::ui::TfrmSelection</name>
    <message>
        <source>Absence Taken Selection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Absence Reason Balance Report Selection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Employee Information Selection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Department Information Selection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Employee Statement Selection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Calendar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected Current Employees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Available Current Employees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected Former Employees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Available Former Employees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected Employees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Available Employees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choices Dialog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Source List:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Destination List:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Select from </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Employees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Departments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New page for each Employee</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Report Type </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Detail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Summary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beginning on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ending on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Report Totals </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Include all Reasons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As of</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Print </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Employee Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Benefit Accrual Balances</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Page for each Department</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Available Departments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected Departments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New page for each Department</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter a Beginning On date.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter an Ending On date.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Ending On date cannot be before the Beginning on date.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>absence::ui::TfrmSplash</name>
    <message>
        <source>Warning: this computer program is protected by copyright law and international treaties.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unauthorized reproduction or distribution of this program, or any portion of it, may result in civil and criminal penalties.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All rights reserved.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>absence::ui::TfrmTermDate</name>
    <message>
        <source>Confirm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to... </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If entries are removed they will NOT be available on the Restore Absence screen.</source>
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
        <source>Term Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Termination Date Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Date Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This employee has a deleted absence entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This employee has a absence entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> after the </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> before the </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> entered.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove all entries after the entered </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove all entries before the entered </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use the date of the last entry (</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use the date of the first entry (</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>) as the </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>absence::ui::TfrmTimeList</name>
    <message>
        <source>Global Absence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Global Absence Entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Global Absence Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Employee Absence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Absence Entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Absence Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reason</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Order by Date </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Order by Reason </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Absence List</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>absence::ui::TfrmUnDelete</name>
    <message>
        <source>Restore Absence Reasons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore Departments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore Employees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore Benefit Accruals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore Absence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore Global Absence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select entry(s) to restore:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
