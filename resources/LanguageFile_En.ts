<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>FramelessDialog</name>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>ImportRecordFile</name>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Browse</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Open Directory</source>
        <translation>Open Directory</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Open File</translation>
    </message>
    <message>
        <source>Path can not be empty!</source>
        <translation>Path can not be empty!</translation>
    </message>
    <message>
        <source>Select a file</source>
        <translation>Select a file</translation>
    </message>
    <message>
        <source>Select a folder</source>
        <translation>Select a folder</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimize</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Mute</translation>
    </message>
    <message>
        <source>Next recording</source>
        <translation>Next recording</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Previous recording</source>
        <translation>Previous recording</translation>
    </message>
    <message>
        <source>Unmute</source>
        <translation>Unmute</translation>
    </message>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>All Call</source>
        <translation>All Call</translation>
    </message>
    <message>
        <source>All Type</source>
        <translation>All</translation>
    </message>
    <message>
        <source>Are you sure want to delete these files?</source>
        <translation>Are you sure want to delete these files?</translation>
    </message>
    <message>
        <source>Are you sure want to delete?</source>
        <translation>Are you sure want to delete?</translation>
    </message>
    <message>
        <source>Call Record</source>
        <translation>Call Record</translation>
    </message>
    <message>
        <source>Call Type</source>
        <translation>Call Type</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Empty</translation>
    </message>
    <message>
        <source>End Date</source>
        <translation>End Date</translation>
    </message>
    <message>
        <source>End Time</source>
        <translation>End Time</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Fail to rename!</source>
        <translation>Fail to rename!</translation>
    </message>
    <message>
        <source>File does not exist!</source>
        <translation>File does not exist!</translation>
    </message>
    <message>
        <source>Folder does not exist!</source>
        <translation>Folder does not exist!</translation>
    </message>
    <message>
        <source>GO</source>
        <translation>GO</translation>
    </message>
    <message>
        <source>Group Call</source>
        <translation>Group Call</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>%1×</source>
        <translation>%1×</translation>
    </message>
    <message>
        <source>Playback speed: [ slower, ] faster</source>
        <translation>Playback speed: [ slower, ] faster</translation>
    </message>
    <message>
        <source>Invalid File:</source>
        <translation>Invalid File:</translation>
    </message>
    <message>
        <source>Invert Select</source>
        <translation>Invert Select</translation>
    </message>
    <message>
        <source>Keyword</source>
        <translation>Keyword</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>LanguageID</source>
        <translation>0409</translation>
    </message>
    <message>
        <source>LanguageName</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Last</translation>
    </message>
    <message>
        <source>List of Record Files</source>
        <translation>List of Record Files</translation>
    </message>
    <message>
        <source>ListNumber</source>
        <translation>List Number</translation>
    </message>
    <message>
        <source>Live Record</source>
        <translation>Live Record</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Only some files export successfully, please check!</source>
        <translation>Only some files export successfully, please check!</translation>
    </message>
    <message>
        <source>Other Record</source>
        <translation>Other Record</translation>
    </message>
    <message>
        <source>Other Type</source>
        <translation>Other Type</translation>
    </message>
    <message>
        <source>Path error or can&apos;t write!</source>
        <translation>Path error or can&apos;t write!</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Play</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Previous</translation>
    </message>
    <message>
        <source>Private Call</source>
        <translation>Private Call</translation>
    </message>
    <message>
        <source>ReName</source>
        <translation>Rename</translation>
    </message>
    <message>
        <source>Ovelia</source>
        <translation>Ovelia</translation>
    </message>
    <message>
        <source>Recording Type</source>
        <translation>Recording Type</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Rename</translation>
    </message>
    <message>
        <source>Save Directory</source>
        <translation>SaveAs</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Select All</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Start Date</source>
        <translation>Start Date</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Start Time</translation>
    </message>
    <message>
        <source>Start time is greater than the end time!</source>
        <translation>Start time is greater than the end time!</translation>
    </message>
    <message>
        <source>Success!</source>
        <translation>Success!</translation>
    </message>
    <message>
        <source>The list could not be stored (%1)!</source>
        <translation>The list could not be stored (%1)!</translation>
    </message>
    <message>
        <source>The recordings could not all be read (%1): %2</source>
        <translation>The recordings could not all be read (%1): %2</translation>
    </message>
    <message>
        <source>%1 entries left out: their names are not valid!</source>
        <translation>%1 entries left out: their names are not valid!</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>The files were deleted, but the list could not be updated!</source>
        <translation>The files were deleted, but the list could not be updated!</translation>
    </message>
    <message>
        <source>Total Selected File(s)</source>
        <translation>Total Selected File(s)</translation>
    </message>
    <message>
        <source>ZRN All Call</source>
        <translation>ZRN All Call</translation>
    </message>
    <message>
        <source>ZRN Emergency Call</source>
        <translation>ZRN Emergency Call</translation>
    </message>
    <message>
        <source>ZRN Group Call</source>
        <translation>ZRN Group Call</translation>
    </message>
    <message>
        <source>ZRN Private Call</source>
        <translation>ZRN Private Call</translation>
    </message>
    <message>
        <source>Only some files were deleted, please check!</source>
        <translation>Only some files were deleted, please check!</translation>
    </message>
    <message>
        <source>Exporting, please wait... %1/%2</source>
        <translation>Exporting, please wait... %1/%2</translation>
    </message>
    <message>
        <source>ID Names...</source>
        <translation>ID Names...</translation>
    </message>
    <message>
        <source>ID Names</source>
        <translation>ID Names</translation>
    </message>
    <message>
        <source>Not taken: %1</source>
        <translation>Not taken: %1</translation>
    </message>
    <message>
        <source>Not kept for the next start: %1</source>
        <translation>Not kept for the next start: %1</translation>
    </message>
    <message>
        <source>The kept list was not read: %1</source>
        <translation>The kept list was not read: %1</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>line %1: %2</translation>
    </message>
    <message>
        <source>the header has %2 fields, this row %1</source>
        <translation>the header has %2 fields, this row %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an ID (0 to %2)</source>
        <translation>&quot;%1&quot; is not an ID (0 to %2)</translation>
    </message>
    <message>
        <source>the name is empty</source>
        <translation>the name is empty</translation>
    </message>
    <message>
        <source>kind &quot;%1&quot; is not radio or group</source>
        <translation>kind &quot;%1&quot; is not radio or group</translation>
    </message>
    <message>
        <source>ID %1 of this kind is named on line %2 too</source>
        <translation>ID %1 of this kind is named on line %2 too</translation>
    </message>
    <message>
        <source>text after a closing quote</source>
        <translation>text after a closing quote</translation>
    </message>
    <message>
        <source>a quote is not closed</source>
        <translation>a quote is not closed</translation>
    </message>
    <message>
        <source>not UTF-8 text</source>
        <translation>not UTF-8 text</translation>
    </message>
    <message>
        <source>no header row</source>
        <translation>no header row</translation>
    </message>
    <message>
        <source>no &quot;id&quot; column</source>
        <translation>no &quot;id&quot; column</translation>
    </message>
    <message>
        <source>no &quot;name&quot; column</source>
        <translation>no &quot;name&quot; column</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>not a regular file</translation>
    </message>
    <message>
        <source>larger than 16 MiB</source>
        <translation>larger than 16 MiB</translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation>cannot make the folder %1</translation>
    </message>
</context>
<context>
    <name>RenameDialog</name>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>A file name cannot begin with a dot, please re-modify!</source>
        <translation>A file name cannot begin with a dot, please re-modify!</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>File Name</translation>
    </message>
    <message>
        <source>File name exists, please re-modify!</source>
        <translation>File name exists, please re-modify!</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Rename</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
</context>
<context>
    <name>TableModel</name>
    <message>
        <source>Call ID</source>
        <translation>Call ID</translation>
    </message>
    <message>
        <source>Call Type</source>
        <translation>Call Type</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duration</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>File Name</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Radio ID</source>
        <translation>Radio ID</translation>
    </message>
    <message>
        <source>Receive Freq.</source>
        <translation>Receive Freq.</translation>
    </message>
    <message>
        <source>Recording Type</source>
        <translation>Recording Type</translation>
    </message>
    <message>
        <source>Talker ID</source>
        <translation>Talker ID</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Transmit Freq.</source>
        <translation>Transmit Freq.</translation>
    </message>
</context>
<context>
    <name>TipDlg</name>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Importing, please wait...</source>
        <translation>Importing, please wait...</translation>
    </message>
</context>
</TS>
