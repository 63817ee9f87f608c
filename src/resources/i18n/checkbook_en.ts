<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>AboutText</name>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>A digital checkbook register for tracking household finances.</source>
        <translation>A digital checkbook register for tracking household finances.</translation>
    </message>
    <message>
        <source>This program uses the Qt framework under the GNU Lesser General Public License, version 3. The source code of Qt is available at %1.</source>
        <translation>This program uses the Qt framework under the GNU Lesser General Public License, version 3. The source code of Qt is available at %1.</translation>
    </message>
</context>
<context>
    <name>AccountFormDialog</name>
    <message>
        <source>Edit Account</source>
        <translation>Edit Account</translation>
    </message>
    <message>
        <source>New Account</source>
        <translation>New Account</translation>
    </message>
    <message>
        <source>Account name</source>
        <translation>Account name</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>Checking</source>
        <translation>Checking</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>Savings</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>Credit Card</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Cash</translation>
    </message>
    <message>
        <source>Investment</source>
        <translation>Investment</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Other</translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation>&amp;Type:</translation>
    </message>
    <message>
        <source>USD ($)</source>
        <translation>USD ($)</translation>
    </message>
    <message>
        <source>EUR (€)</source>
        <translation>EUR (€)</translation>
    </message>
    <message>
        <source>GBP (£)</source>
        <translation>GBP (£)</translation>
    </message>
    <message>
        <source>CAD ($)</source>
        <translation>CAD ($)</translation>
    </message>
    <message>
        <source>AUD ($)</source>
        <translation>AUD ($)</translation>
    </message>
    <message>
        <source>JPY (¥)</source>
        <translation>JPY (¥)</translation>
    </message>
    <message>
        <source>&amp;Currency:</source>
        <translation>&amp;Currency:</translation>
    </message>
    <message>
        <source>Starting &amp;Balance:</source>
        <translation>Starting &amp;Balance:</translation>
    </message>
    <message>
        <source>&amp;As of:</source>
        <translation>&amp;As of:</translation>
    </message>
    <message>
        <source>Bank name (optional)</source>
        <translation>Bank name (optional)</translation>
    </message>
    <message>
        <source>&amp;Institution:</source>
        <translation>&amp;Institution:</translation>
    </message>
    <message>
        <source>Last 4 digits (optional)</source>
        <translation>Last 4 digits (optional)</translation>
    </message>
    <message>
        <source>Account &amp;Number:</source>
        <translation>Account &amp;Number:</translation>
    </message>
</context>
<context>
    <name>AccountService</name>
    <message>
        <source>An account needs a name.</source>
        <translation>An account needs a name.</translation>
    </message>
    <message>
        <source>The currency can&apos;t be changed between yen and another currency while the account holds amounts: yen have no cents, so every amount would become a hundred times larger or smaller.</source>
        <translation>The currency can&apos;t be changed between yen and another currency while the account holds amounts: yen have no cents, so every amount would become a hundred times larger or smaller.</translation>
    </message>
    <message>
        <source>Another account is already named &quot;%1&quot;. Please choose another name.</source>
        <translation>Another account is already named &quot;%1&quot;. Please choose another name.</translation>
    </message>
    <message>
        <source>This account is no longer among the deleted accounts.</source>
        <translation>This account is no longer among the deleted accounts.</translation>
    </message>
    <message>
        <source>Another account is now named &quot;%1&quot;. Rename that account first, then restore this one.</source>
        <translation>Another account is now named &quot;%1&quot;. Rename that account first, then restore this one.</translation>
    </message>
</context>
<context>
    <name>AccountSharingService</name>
    <message>
        <source>Failed to share account (HTTP %1)</source>
        <translation>Failed to share account (HTTP %1)</translation>
    </message>
</context>
<context>
    <name>AccountSidebar</name>
    <message>
        <source>Checking</source>
        <translation>Checking</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>Savings</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>Credit Card</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Cash</translation>
    </message>
    <message>
        <source>Investment</source>
        <translation>Investment</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Other</translation>
    </message>
    <message>
        <source>Unavailable</source>
        <translation>Unavailable</translation>
    </message>
    <message>
        <source>The balance could not be read from the database.</source>
        <translation>The balance could not be read from the database.</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Overflow</translation>
    </message>
    <message>
        <source>The balance is too large to show.</source>
        <translation>The balance is too large to show.</translation>
    </message>
    <message>
        <source>No accounts</source>
        <translation>No accounts</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <translation>Total: %1</translation>
    </message>
    <message>
        <source>New Account...</source>
        <translation>New Account...</translation>
    </message>
    <message>
        <source>Edit &quot;%1&quot;...</source>
        <translation>Edit &quot;%1&quot;...</translation>
    </message>
    <message>
        <source>Reconcile...</source>
        <translation>Reconcile...</translation>
    </message>
    <message>
        <source>Reconciliation History...</source>
        <translation>Reconciliation History...</translation>
    </message>
    <message>
        <source>Rename Payees...</source>
        <translation>Rename Payees...</translation>
    </message>
    <message>
        <source>Share...</source>
        <translation>Share...</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;</source>
        <translation>Delete &quot;%1&quot;</translation>
    </message>
    <message>
        <source>The account order could not be saved</source>
        <translation>The account order could not be saved</translation>
    </message>
</context>
<context>
    <name>AnotherUserDialog</name>
    <message>
        <source>Different Account</source>
        <translation>Different Account</translation>
    </message>
    <message>
        <source>The books on this device were last synced with a different Kestrelwood account.</source>
        <translation>The books on this device were last synced with a different Kestrelwood account.</translation>
    </message>
    <message>
        <source>Add this device&apos;s accounts and transactions to the account you just signed in with, or sign out. Nothing on this device is deleted either way; until you choose, nothing is synced.</source>
        <translation>Add this device&apos;s accounts and transactions to the account you just signed in with, or sign out. Nothing on this device is deleted either way; until you choose, nothing is synced.</translation>
    </message>
    <message>
        <source>Add to This Account</source>
        <translation>Add to This Account</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>Sign Out</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Database Error</source>
        <translation>Database Error</translation>
    </message>
    <message>
        <source>Failed to initialize the database.

Data directory: %1

%2</source>
        <translation>Failed to initialize the database.

Data directory: %1

%2</translation>
    </message>
    <message>
        <source>The data file is damaged. It was left as it is; nothing more was written to it.</source>
        <translation>The data file is damaged. It was left as it is; nothing more was written to it.</translation>
    </message>
    <message>
        <source>The data file was made by a newer version of Kestrelwood Checkbook. Please use that version to open it.</source>
        <translation>The data file was made by a newer version of Kestrelwood Checkbook. Please use that version to open it.</translation>
    </message>
    <message>
        <source>The data file was not made by Kestrelwood Checkbook. It was left as it is.</source>
        <translation>The data file was not made by Kestrelwood Checkbook. It was left as it is.</translation>
    </message>
    <message>
        <source>The data file does not record which version of Kestrelwood Checkbook made it, so it cannot be upgraded safely. It was left as it is.</source>
        <translation>The data file does not record which version of Kestrelwood Checkbook made it, so it cannot be upgraded safely. It was left as it is.</translation>
    </message>
    <message>
        <source>The data file is in use by another program. Please close that program and try again.</source>
        <translation>The data file is in use by another program. Please close that program and try again.</translation>
    </message>
    <message>
        <source>The disk is full. Please free some space and try again.</source>
        <translation>The disk is full. Please free some space and try again.</translation>
    </message>
    <message>
        <source>Please check file permissions and try again.</source>
        <translation>Please check file permissions and try again.</translation>
    </message>
    <message>
        <source>The data file was made by an older version of Kestrelwood Checkbook. Open the program once to bring it up to date, then try again.</source>
        <translation>The data file was made by an older version of Kestrelwood Checkbook. Open the program once to bring it up to date, then try again.</translation>
    </message>
</context>
<context>
    <name>BackupArchiveReader</name>
    <message>
        <source>Failed to open ZIP archive</source>
        <translation>Failed to open ZIP archive</translation>
    </message>
    <message numerus="yes">
        <source>The archive would unpack to more than %n GB.</source>
        <translation>
            <numerusform>The archive would unpack to more than %n GB.</numerusform>
            <numerusform>The archive would unpack to more than %n GB.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: unsafe entry name</source>
        <translation>%1: unsafe entry name</translation>
    </message>
    <message>
        <source>%1: encrypted or compressed in an unknown way</source>
        <translation>%1: encrypted or compressed in an unknown way</translation>
    </message>
    <message>
        <source>%1: larger than any row file</source>
        <translation>%1: larger than any row file</translation>
    </message>
    <message>
        <source>%1: compressed beyond any row file (a zip bomb)</source>
        <translation>%1: compressed beyond any row file (a zip bomb)</translation>
    </message>
    <message>
        <source>%1: unreadable</source>
        <translation>%1: unreadable</translation>
    </message>
    <message>
        <source>%1: damaged</source>
        <translation>%1: damaged</translation>
    </message>
    <message>
        <source>%1: does not unpack to the size the archive states</source>
        <translation>%1: does not unpack to the size the archive states</translation>
    </message>
</context>
<context>
    <name>BackupService</name>
    <message>
        <source>Replace all with backup data</source>
        <translation>Replace all with backup data</translation>
    </message>
    <message>
        <source>Keep newer (compare timestamps)</source>
        <translation>Keep newer (compare timestamps)</translation>
    </message>
    <message>
        <source>Skip existing items</source>
        <translation>Skip existing items</translation>
    </message>
    <message>
        <source>The data file could not be read.</source>
        <translation>The data file could not be read.</translation>
    </message>
    <message>
        <source>The archive could not be written. %1</source>
        <translation>The archive could not be written. %1</translation>
    </message>
    <message>
        <source>The export was cancelled.</source>
        <translation>The export was cancelled.</translation>
    </message>
    <message>
        <source>The table %1 could not be read. %2</source>
        <translation>The table %1 could not be read. %2</translation>
    </message>
    <message>
        <source>Could not read file.</source>
        <translation>Could not read file.</translation>
    </message>
    <message>
        <source>The restored rows could not be saved. %1</source>
        <translation>The restored rows could not be saved. %1</translation>
    </message>
    <message>
        <source>Invalid backup: missing manifest.json</source>
        <translation>Invalid backup: missing manifest.json</translation>
    </message>
    <message>
        <source>%1: invalid JSON</source>
        <translation>%1: invalid JSON</translation>
    </message>
    <message>
        <source>Unsupported backup version: %1</source>
        <translation>Unsupported backup version: %1</translation>
    </message>
    <message>
        <source>%1: not part of a backup</source>
        <translation>%1: not part of a backup</translation>
    </message>
    <message>
        <source>The table %1 could not be read.</source>
        <translation>The table %1 could not be read.</translation>
    </message>
    <message>
        <source>The restore was cancelled; nothing was changed.</source>
        <translation>The restore was cancelled; nothing was changed.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is no column of %3</source>
        <translation>%1: &quot;%2&quot; is no column of %3</translation>
    </message>
    <message>
        <source>%1: the value of &quot;%2&quot; cannot be stored</source>
        <translation>%1: the value of &quot;%2&quot; cannot be stored</translation>
    </message>
    <message>
        <source>%1: the row has no id</source>
        <translation>%1: the row has no id</translation>
    </message>
    <message>
        <source>%1: the row could not be written: %2</source>
        <translation>%1: the row could not be written: %2</translation>
    </message>
    <message>
        <source>The restored rows could not be checked.</source>
        <translation>The restored rows could not be checked.</translation>
    </message>
    <message>
        <source>%1: refers to a row that is neither in the backup nor in the register</source>
        <translation>%1: refers to a row that is neither in the backup nor in the register</translation>
    </message>
</context>
<context>
    <name>BlockingProgressDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>CategoriesScreen</name>
    <message>
        <source>New Category</source>
        <translation>New Category</translation>
    </message>
    <message>
        <source>Edit Category</source>
        <translation>Edit Category</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;? Transactions using this category will become uncategorized.</source>
        <translation>Delete &quot;%1&quot;? Transactions using this category will become uncategorized.</translation>
    </message>
    <message>
        <source>Delete Category</source>
        <translation>Delete Category</translation>
    </message>
    <message>
        <source>The category could not be deleted.

%1</source>
        <translation>The category could not be deleted.

%1</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Categories</translation>
    </message>
    <message>
        <source>+ New Category</source>
        <translation>+ New Category</translation>
    </message>
    <message>
        <source>&amp;New Category</source>
        <translation>&amp;New Category</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Delete</translation>
    </message>
</context>
<context>
    <name>CategoryNameDialog</name>
    <message>
        <source>Category name:</source>
        <translation>Category name:</translation>
    </message>
    <message>
        <source>The category could not be saved.

%1</source>
        <translation>The category could not be saved.

%1</translation>
    </message>
</context>
<context>
    <name>CategoryService</name>
    <message>
        <source>Charitable Donations</source>
        <translation>Charitable Donations</translation>
    </message>
    <message>
        <source>Medical Expenses</source>
        <translation>Medical Expenses</translation>
    </message>
    <message>
        <source>Business Expenses</source>
        <translation>Business Expenses</translation>
    </message>
    <message>
        <source>Home Office</source>
        <translation>Home Office</translation>
    </message>
    <message>
        <source>Education Expenses</source>
        <translation>Education Expenses</translation>
    </message>
    <message>
        <source>State &amp; Local Taxes</source>
        <translation>State &amp; Local Taxes</translation>
    </message>
    <message>
        <source>Mortgage Interest</source>
        <translation>Mortgage Interest</translation>
    </message>
    <message>
        <source>Property Tax</source>
        <translation>Property Tax</translation>
    </message>
    <message>
        <source>Housing</source>
        <translation>Housing</translation>
    </message>
    <message>
        <source>Rent/Mortgage Payment</source>
        <translation>Rent/Mortgage Payment</translation>
    </message>
    <message>
        <source>Maintenance</source>
        <translation>Maintenance</translation>
    </message>
    <message>
        <source>HOA</source>
        <translation>HOA</translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation>Utilities</translation>
    </message>
    <message>
        <source>Electric</source>
        <translation>Electric</translation>
    </message>
    <message>
        <source>Gas</source>
        <translation>Gas</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Water</translation>
    </message>
    <message>
        <source>Internet</source>
        <translation>Internet</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Phone</translation>
    </message>
    <message>
        <source>Transportation</source>
        <translation>Transportation</translation>
    </message>
    <message>
        <source>Gas/Fuel</source>
        <translation>Gas/Fuel</translation>
    </message>
    <message>
        <source>Car Payment</source>
        <translation>Car Payment</translation>
    </message>
    <message>
        <source>Auto Insurance</source>
        <translation>Auto Insurance</translation>
    </message>
    <message>
        <source>Public Transit</source>
        <translation>Public Transit</translation>
    </message>
    <message>
        <source>Groceries</source>
        <translation>Groceries</translation>
    </message>
    <message>
        <source>Dining &amp; Restaurants</source>
        <translation>Dining &amp; Restaurants</translation>
    </message>
    <message>
        <source>Personal Care</source>
        <translation>Personal Care</translation>
    </message>
    <message>
        <source>Pets</source>
        <translation>Pets</translation>
    </message>
    <message>
        <source>Subscriptions</source>
        <translation>Subscriptions</translation>
    </message>
    <message>
        <source>Gifts</source>
        <translation>Gifts</translation>
    </message>
    <message>
        <source>Miscellaneous</source>
        <translation>Miscellaneous</translation>
    </message>
    <message>
        <source>Entertainment</source>
        <translation>Entertainment</translation>
    </message>
    <message>
        <source>Streaming</source>
        <translation>Streaming</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>Movies</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Events</translation>
    </message>
    <message>
        <source>Shopping</source>
        <translation>Shopping</translation>
    </message>
    <message>
        <source>Clothing</source>
        <translation>Clothing</translation>
    </message>
    <message>
        <source>Electronics</source>
        <translation>Electronics</translation>
    </message>
    <message>
        <source>Household</source>
        <translation>Household</translation>
    </message>
    <message>
        <source>Insurance</source>
        <translation>Insurance</translation>
    </message>
    <message>
        <source>Health</source>
        <translation>Health</translation>
    </message>
    <message>
        <source>Life</source>
        <translation>Life</translation>
    </message>
    <message>
        <source>Home/Renters</source>
        <translation>Home/Renters</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Fees &amp; Charges</source>
        <translation>Fees &amp; Charges</translation>
    </message>
    <message>
        <source>Bank Fees</source>
        <translation>Bank Fees</translation>
    </message>
    <message>
        <source>ATM Fees</source>
        <translation>ATM Fees</translation>
    </message>
    <message>
        <source>Late Fees</source>
        <translation>Late Fees</translation>
    </message>
    <message>
        <source>Salary / Wages</source>
        <translation>Salary / Wages</translation>
    </message>
    <message>
        <source>Interest Income</source>
        <translation>Interest Income</translation>
    </message>
    <message>
        <source>Dividend Income</source>
        <translation>Dividend Income</translation>
    </message>
    <message>
        <source>Rental Income</source>
        <translation>Rental Income</translation>
    </message>
    <message>
        <source>Freelance / Consulting</source>
        <translation>Freelance / Consulting</translation>
    </message>
    <message>
        <source>Refunds</source>
        <translation>Refunds</translation>
    </message>
    <message>
        <source>Gifts Received</source>
        <translation>Gifts Received</translation>
    </message>
    <message>
        <source>Other Income</source>
        <translation>Other Income</translation>
    </message>
    <message>
        <source>This category has been deleted in the meantime.</source>
        <translation>This category has been deleted in the meantime.</translation>
    </message>
    <message>
        <source>Type a name for the category.</source>
        <translation>Type a name for the category.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; already has a category named &quot;%2&quot;.</source>
        <translation>&quot;%1&quot; already has a category named &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>There is already a top-level category named &quot;%1&quot;.</source>
        <translation>There is already a top-level category named &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>CategoryTreeModel</name>
    <message>
        <source>Category</source>
        <translation>Category</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Tax Code</source>
        <translation>Tax Code</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Cannot write %1: %2</translation>
    </message>
    <message>
        <source>Cannot write to standard output: %1</source>
        <translation>Cannot write to standard output: %1</translation>
    </message>
    <message>
        <source>The data file could not be read. %1</source>
        <translation>The data file could not be read. %1</translation>
    </message>
    <message>
        <source>The transactions could not be read.</source>
        <translation>The transactions could not be read.</translation>
    </message>
    <message>
        <source>This report needs --%1 yyyy-MM-dd.</source>
        <translation>This report needs --%1 yyyy-MM-dd.</translation>
    </message>
    <message>
        <source>--%1 needs a date written yyyy-MM-dd, not &quot;%2&quot;.</source>
        <translation>--%1 needs a date written yyyy-MM-dd, not &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>--%1 is before --%2.</source>
        <translation>--%1 is before --%2.</translation>
    </message>
    <message>
        <source>Unknown report &quot;%1&quot;. The reports are: %2.</source>
        <translation>Unknown report &quot;%1&quot;. The reports are: %2.</translation>
    </message>
    <message>
        <source>There is no account named &quot;%1&quot;.</source>
        <translation>There is no account named &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Find the transactions matching &lt;text&gt;.</source>
        <translation>Find the transactions matching &lt;text&gt;.</translation>
    </message>
    <message>
        <source>text</source>
        <translation>text</translation>
    </message>
    <message>
        <source>Write the report &lt;kind&gt;, such as category_spending.</source>
        <translation>Write the report &lt;kind&gt;, such as category_spending.</translation>
    </message>
    <message>
        <source>kind</source>
        <translation>kind</translation>
    </message>
    <message>
        <source>The report&apos;s first day.</source>
        <translation>The report&apos;s first day.</translation>
    </message>
    <message>
        <source>yyyy-MM-dd</source>
        <translation>yyyy-MM-dd</translation>
    </message>
    <message>
        <source>The report&apos;s last day.</source>
        <translation>The report&apos;s last day.</translation>
    </message>
    <message>
        <source>Year over year: the second period&apos;s first day.</source>
        <translation>Year over year: the second period&apos;s first day.</translation>
    </message>
    <message>
        <source>Year over year: the second period&apos;s last day.</source>
        <translation>Year over year: the second period&apos;s last day.</translation>
    </message>
    <message>
        <source>name</source>
        <translation>name</translation>
    </message>
    <message>
        <source>Write the CSV to &lt;file&gt;.</source>
        <translation>Write the CSV to &lt;file&gt;.</translation>
    </message>
    <message>
        <source>file</source>
        <translation>file</translation>
    </message>
    <message>
        <source>Save a backup of the register as the ZIP archive &lt;file&gt;.</source>
        <translation>Save a backup of the register as the ZIP archive &lt;file&gt;.</translation>
    </message>
    <message>
        <source>Restore the backup archive &lt;file&gt;.</source>
        <translation>Restore the backup archive &lt;file&gt;.</translation>
    </message>
    <message>
        <source>Restoring: what becomes of rows already there: skip, replace or newer.</source>
        <translation>Restoring: what becomes of rows already there: skip, replace or newer.</translation>
    </message>
    <message>
        <source>mode</source>
        <translation>mode</translation>
    </message>
    <message>
        <source>Usage: kestrelwood-checkbook --search TEXT [--output FILE]
   or: kestrelwood-checkbook --report KIND --from yyyy-MM-dd --to yyyy-MM-dd [--from2 yyyy-MM-dd --to2 yyyy-MM-dd] [--account NAME] [--output FILE]
   or: kestrelwood-checkbook --export-backup FILE
   or: kestrelwood-checkbook --restore-backup FILE --mode skip|replace|newer
   or: kestrelwood-checkbook --import FILE... [--account NAME]</source>
        <translation>Usage: kestrelwood-checkbook --search TEXT [--output FILE]
   or: kestrelwood-checkbook --report KIND --from yyyy-MM-dd --to yyyy-MM-dd [--from2 yyyy-MM-dd --to2 yyyy-MM-dd] [--account NAME] [--output FILE]
   or: kestrelwood-checkbook --export-backup FILE
   or: kestrelwood-checkbook --restore-backup FILE --mode skip|replace|newer
   or: kestrelwood-checkbook --import FILE... [--account NAME]</translation>
    </message>
    <message>
        <source>Unexpected argument: %1</source>
        <translation>Unexpected argument: %1</translation>
    </message>
    <message>
        <source>Give one of --search, --report, --export-backup, --restore-backup or --import.</source>
        <translation>Give one of --search, --report, --export-backup, --restore-backup or --import.</translation>
    </message>
    <message>
        <source>--restore-backup needs --mode skip, --mode replace or --mode newer.</source>
        <translation>--restore-backup needs --mode skip, --mode replace or --mode newer.</translation>
    </message>
    <message>
        <source>Cannot read the data file %1.</source>
        <translation>Cannot read the data file %1.</translation>
    </message>
    <message>
        <source>Report on, or import a CSV or OFX file into, the account &lt;name&gt;.</source>
        <translation>Report on, or import a CSV or OFX file into, the account &lt;name&gt;.</translation>
    </message>
    <message>
        <source>Import the bank files &lt;file&gt; and those after it (CSV, QIF, OFX or QFX).</source>
        <translation>Import the bank files &lt;file&gt; and those after it (CSV, QIF, OFX or QFX).</translation>
    </message>
</context>
<context>
    <name>CommandLineHelp</name>
    <message>
        <source>Write the transactions matching TEXT as CSV.</source>
        <translation>Write the transactions matching TEXT as CSV.</translation>
    </message>
    <message>
        <source>Write a report as CSV. The reports: %1.</source>
        <translation>Write a report as CSV. The reports: %1.</translation>
    </message>
    <message>
        <source>Save a backup of the register as a ZIP archive.</source>
        <translation>Save a backup of the register as a ZIP archive.</translation>
    </message>
    <message>
        <source>Restore a backup archive while the window is closed; needs --mode.</source>
        <translation>Restore a backup archive while the window is closed; needs --mode.</translation>
    </message>
    <message>
        <source>Import bank files (CSV, QIF, OFX or QFX) while the window is closed.</source>
        <translation>Import bank files (CSV, QIF, OFX or QFX) while the window is closed.</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Show this help.</translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation>Show the version.</translation>
    </message>
    <message>
        <source>The report&apos;s first day.</source>
        <translation>The report&apos;s first day.</translation>
    </message>
    <message>
        <source>The report&apos;s last day.</source>
        <translation>The report&apos;s last day.</translation>
    </message>
    <message>
        <source>Year over year: the second period&apos;s first day.</source>
        <translation>Year over year: the second period&apos;s first day.</translation>
    </message>
    <message>
        <source>Year over year: the second period&apos;s last day.</source>
        <translation>Year over year: the second period&apos;s last day.</translation>
    </message>
    <message>
        <source>The account a report reads or a CSV, OFX or QFX file goes to.</source>
        <translation>The account a report reads or a CSV, OFX or QFX file goes to.</translation>
    </message>
    <message>
        <source>Write the CSV of a search or report to FILE instead of standard output.</source>
        <translation>Write the CSV of a search or report to FILE instead of standard output.</translation>
    </message>
    <message>
        <source>Restoring: keep the rows already there, replace everything, or keep the newer row.</source>
        <translation>Restoring: keep the rows already there, replace everything, or keep the newer row.</translation>
    </message>
    <message>
        <source>The folder of the register, checkbook.db; now %1.</source>
        <translation>The folder of the register, checkbook.db; now %1.</translation>
    </message>
    <message>
        <source>Print the debug and information messages too.</source>
        <translation>Print the debug and information messages too.</translation>
    </message>
    <message>
        <source>Offer loading and clearing sample data in the Help menu.</source>
        <translation>Offer loading and clearing sample data in the Help menu.</translation>
    </message>
    <message>
        <source>The sign-in service.</source>
        <translation>The sign-in service.</translation>
    </message>
    <message>
        <source>The sign-in realm.</source>
        <translation>The sign-in realm.</translation>
    </message>
    <message>
        <source>The client id the sign-in service knows the program by.</source>
        <translation>The client id the sign-in service knows the program by.</translation>
    </message>
    <message>
        <source>The account service.</source>
        <translation>The account service.</translation>
    </message>
    <message>
        <source>The sync service.</source>
        <translation>The sync service.</translation>
    </message>
    <message>
        <source>The account web pages Kestrelwood Account opens.</source>
        <translation>The account web pages Kestrelwood Account opens.</translation>
    </message>
    <message>
        <source>The folder of the update feed&apos;s latest.json.</source>
        <translation>The folder of the update feed&apos;s latest.json.</translation>
    </message>
    <message>
        <source>The page Send Feedback opens.</source>
        <translation>The page Send Feedback opens.</translation>
    </message>
    <message>
        <source>Example: %1</source>
        <translation>Example: %1</translation>
    </message>
    <message>
        <source>Usage: %1 [COMMAND] [OPTIONS]</source>
        <translation>Usage: %1 [COMMAND] [OPTIONS]</translation>
    </message>
    <message>
        <source>Kestrelwood Checkbook, a checkbook register for household finances. Without a command it opens its window; the commands answer on the command line and need no display.</source>
        <translation>Kestrelwood Checkbook, a checkbook register for household finances. Without a command it opens its window; the commands answer on the command line and need no display.</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Commands:</translation>
    </message>
    <message>
        <source>Options of the commands:</source>
        <translation>Options of the commands:</translation>
    </message>
    <message>
        <source>Environment variables:</source>
        <translation>Environment variables:</translation>
    </message>
    <message>
        <source>Run &quot;%1 --help&quot; for the commands and options.</source>
        <translation>Run &quot;%1 --help&quot; for the commands and options.</translation>
    </message>
</context>
<context>
    <name>CsvRowReader</name>
    <message>
        <source>No date, payee or amount in this row</source>
        <translation>No date, payee or amount in this row</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date written %2</source>
        <translation>&quot;%1&quot; is not a date written %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an amount</source>
        <translation>&quot;%1&quot; is not an amount</translation>
    </message>
    <message>
        <source>A text in this row is too long</source>
        <translation>A text in this row is too long</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>The disk is full.</source>
        <translation>The disk is full.</translation>
    </message>
    <message>
        <source>The data file is read-only.</source>
        <translation>The data file is read-only.</translation>
    </message>
    <message>
        <source>The data file is in use by another program.</source>
        <translation>The data file is in use by another program.</translation>
    </message>
    <message>
        <source>The data file is damaged.</source>
        <translation>The data file is damaged.</translation>
    </message>
    <message>
        <source>The data file could not be written.</source>
        <translation>The data file could not be written.</translation>
    </message>
</context>
<context>
    <name>DateField</name>
    <message>
        <source>Open calendar (F4)</source>
        <translation>Open calendar (F4)</translation>
    </message>
</context>
<context>
    <name>DeleteTransactionQuestion</name>
    <message>
        <source>Delete &quot;%1&quot; for %2?</source>
        <translation>Delete &quot;%1&quot; for %2?</translation>
    </message>
    <message>
        <source>Delete transfer &quot;%1&quot; for %2?

Both sides of the transfer will be deleted.</source>
        <translation>Delete transfer &quot;%1&quot; for %2?

Both sides of the transfer will be deleted.</translation>
    </message>
    <message>
        <source>Delete Transaction</source>
        <translation>Delete Transaction</translation>
    </message>
</context>
<context>
    <name>ExclusiveDataFile</name>
    <message>
        <source>Kestrelwood Checkbook is open on %1. Close it, then try again.</source>
        <translation>Kestrelwood Checkbook is open on %1. Close it, then try again.</translation>
    </message>
    <message>
        <source>Cannot open the data file %1. %2</source>
        <translation>Cannot open the data file %1. %2</translation>
    </message>
</context>
<context>
    <name>ExportResult</name>
    <message>
        <source>Backup Complete</source>
        <translation>Backup Complete</translation>
    </message>
    <message>
        <source>Backup Failed</source>
        <translation>Backup Failed</translation>
    </message>
    <message>
        <source>Backup saved to:
%1</source>
        <translation>Backup saved to:
%1</translation>
    </message>
    <message>
        <source>Could not write to:
%1</source>
        <translation>Could not write to:
%1</translation>
    </message>
</context>
<context>
    <name>ImportCommand</name>
    <message>
        <source>none</source>
        <translation>none</translation>
    </message>
    <message>
        <source>tab</source>
        <translation>tab</translation>
    </message>
    <message>
        <source>the mapping last used for this account</source>
        <translation>the mapping last used for this account</translation>
    </message>
    <message>
        <source>the mapping proposed from the file</source>
        <translation>the mapping proposed from the file</translation>
    </message>
    <message>
        <source>Read with %1: separator %2, %3 line(s) before the table, %4, dates as %5, columns: date %6, payee %7, amount %8, credit %9, memo %10, category %11.</source>
        <translation>Read with %1: separator %2, %3 line(s) before the table, %4, dates as %5, columns: date %6, payee %7, amount %8, credit %9, memo %10, category %11.</translation>
    </message>
    <message>
        <source>a header row</source>
        <translation>a header row</translation>
    </message>
    <message>
        <source>no header row</source>
        <translation>no header row</translation>
    </message>
    <message>
        <source>%1: the import failed and nothing of it was stored (%2).</source>
        <translation>%1: the import failed and nothing of it was stored (%2).</translation>
    </message>
    <message>
        <source>%1: import complete.</source>
        <translation>%1: import complete.</translation>
    </message>
    <message>
        <source>%1: a CSV file needs --account NAME, the account to import into.</source>
        <translation>%1: a CSV file needs --account NAME, the account to import into.</translation>
    </message>
    <message>
        <source>%1: the file could not be read.</source>
        <translation>%1: the file could not be read.</translation>
    </message>
    <message>
        <source>There is no account named &quot;%1&quot;.</source>
        <translation>There is no account named &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>%1: the new account &quot;%2&quot; holds its statement.</source>
        <translation>%1: the new account &quot;%2&quot; holds its statement.</translation>
    </message>
</context>
<context>
    <name>ImportScreen</name>
    <message>
        <source>Import Transactions</source>
        <translation>Import Transactions</translation>
    </message>
    <message>
        <source>CSV</source>
        <translation>CSV</translation>
    </message>
    <message>
        <source>QIF</source>
        <translation>QIF</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>&amp;Format:</translation>
    </message>
    <message>
        <source>&amp;Account:</source>
        <translation>&amp;Account:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Browse...</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>File:</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>CSV Column Mapping:</source>
        <translation>CSV Column Mapping:</translation>
    </message>
    <message>
        <source>Comma (,)</source>
        <translation>Comma (,)</translation>
    </message>
    <message>
        <source>Semicolon (;)</source>
        <translation>Semicolon (;)</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Some banks put the account number and the period above the table.</source>
        <translation>Some banks put the account number and the period above the table.</translation>
    </message>
    <message>
        <source>First row is header</source>
        <translation>First row is header</translation>
    </message>
    <message>
        <source>For files with separate columns for money out and money in: the amount column is then the money out.</source>
        <translation>For files with separate columns for money out and money in: the amount column is then the money out.</translation>
    </message>
    <message>
        <source>Separator:</source>
        <translation>Separator:</translation>
    </message>
    <message>
        <source>Lines before the table:</source>
        <translation>Lines before the table:</translation>
    </message>
    <message>
        <source>Date column:</source>
        <translation>Date column:</translation>
    </message>
    <message>
        <source>Payee column:</source>
        <translation>Payee column:</translation>
    </message>
    <message>
        <source>Amount column:</source>
        <translation>Amount column:</translation>
    </message>
    <message>
        <source>Credit column:</source>
        <translation>Credit column:</translation>
    </message>
    <message>
        <source>Memo column:</source>
        <translation>Memo column:</translation>
    </message>
    <message>
        <source>Category column:</source>
        <translation>Category column:</translation>
    </message>
    <message>
        <source>Date format:</source>
        <translation>Date format:</translation>
    </message>
    <message>
        <source>The first rows as they will be imported:</source>
        <translation>The first rows as they will be imported:</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Payee</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Amount</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Memo</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Category</translation>
    </message>
    <message>
        <source>QIF source accounts:</source>
        <translation>QIF source accounts:</translation>
    </message>
    <message>
        <source>Choose where each Quicken account should be imported. Accounts mapped across the selected files will have their transfers linked automatically.</source>
        <translation>Choose where each Quicken account should be imported. Accounts mapped across the selected files will have their transfers linked automatically.</translation>
    </message>
    <message>
        <source>No file selected</source>
        <translation>No file selected</translation>
    </message>
    <message>
        <source>Select QIF File(s)</source>
        <translation>Select QIF File(s)</translation>
    </message>
    <message>
        <source>QIF Files (*.qif)</source>
        <translation>QIF Files (*.qif)</translation>
    </message>
    <message>
        <source>Select File</source>
        <translation>Select File</translation>
    </message>
    <message>
        <source>CSV Files (*.csv);;All Files (*)</source>
        <translation>CSV Files (*.csv);;All Files (*)</translation>
    </message>
    <message>
        <source>The file %1 could not be read.</source>
        <translation>The file %1 could not be read.</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(none)</translation>
    </message>
    <message>
        <source>Col %1: %2</source>
        <translation>Col %1: %2</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Column %1</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) selected</source>
        <translation>
            <numerusform>%n file selected</numerusform>
            <numerusform>%n files selected</numerusform>
        </translation>
    </message>
    <message>
        <source>Analyzing QIF file(s)...</source>
        <translation>Analyzing QIF file(s)...</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n transaction(s))</source>
        <translation>
            <numerusform>%1 (%n transaction)</numerusform>
            <numerusform>%1 (%n transactions)</numerusform>
        </translation>
    </message>
    <message>
        <source>— Create new account &quot;%1&quot; —</source>
        <translation>— Create new account &quot;%1&quot; —</translation>
    </message>
    <message>
        <source>— Skip these transactions —</source>
        <translation>— Skip these transactions —</translation>
    </message>
    <message>
        <source>No transactions were found in the selected file(s).</source>
        <translation>No transactions were found in the selected file(s).</translation>
    </message>
    <message>
        <source>Choose a file to import first.</source>
        <translation>Choose a file to import first.</translation>
    </message>
    <message>
        <source>No target account</source>
        <translation>No target account</translation>
    </message>
    <message>
        <source>Pick an account to import into, or create one now.</source>
        <translation>Pick an account to import into, or create one now.</translation>
    </message>
    <message>
        <source>New Account</source>
        <translation>New Account</translation>
    </message>
    <message>
        <source>The account could not be created.</source>
        <translation>The account could not be created.</translation>
    </message>
    <message>
        <source>Importing...</source>
        <translation>Importing...</translation>
    </message>
    <message>
        <source>Import cancelled.</source>
        <translation>Import cancelled.</translation>
    </message>
    <message>
        <source>The import was stopped and all changes were rolled back. No transactions were added.</source>
        <translation>The import was stopped and all changes were rolled back. No transactions were added.</translation>
    </message>
    <message>
        <source>Import failed.</source>
        <translation>Import failed.</translation>
    </message>
    <message>
        <source>A database error stopped the import and all changes were rolled back. No transactions were added.</source>
        <translation>A database error stopped the import and all changes were rolled back. No transactions were added.</translation>
    </message>
    <message>
        <source>Import complete!</source>
        <translation>Import complete!</translation>
    </message>
    <message>
        <source>OFX / QFX</source>
        <translation>OFX / QFX</translation>
    </message>
    <message>
        <source>Statement accounts:</source>
        <translation>Statement accounts:</translation>
    </message>
    <message>
        <source>Choose where each account of the statement should be imported. Rows imported from an earlier statement are skipped, so overlapping statements can be imported safely.</source>
        <translation>Choose where each account of the statement should be imported. Rows imported from an earlier statement are skipped, so overlapping statements can be imported safely.</translation>
    </message>
    <message>
        <source>Select Statement</source>
        <translation>Select Statement</translation>
    </message>
    <message>
        <source>Bank Statements (*.ofx *.qfx);;All Files (*)</source>
        <translation>Bank Statements (*.ofx *.qfx);;All Files (*)</translation>
    </message>
    <message>
        <source>The file %1 is not an OFX or QFX bank statement.</source>
        <translation>The file %1 is not an OFX or QFX bank statement.</translation>
    </message>
    <message numerus="yes">
        <source>%1, %2 (%n transaction(s))</source>
        <translation>
            <numerusform>%1, %2 (%n transaction)</numerusform>
            <numerusform>%1, %2 (%n transactions)</numerusform>
        </translation>
    </message>
    <message>
        <source>Import refused.</source>
        <translation>Import refused.</translation>
    </message>
</context>
<context>
    <name>ImportService</name>
    <message numerus="yes">
        <source>%n transaction(s) imported</source>
        <translation>
            <numerusform>%n transaction imported</numerusform>
            <numerusform>%n transactions imported</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n transfer(s) linked across accounts</source>
        <translation>
            <numerusform>%n transfer linked across accounts</numerusform>
            <numerusform>%n transfers linked across accounts</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>  (including %n linked to previously imported row(s))</source>
        <translation>
            <numerusform>  (including %n linked to previously imported row)</numerusform>
            <numerusform>  (including %n linked to previously imported rows)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n duplicate(s) skipped</source>
        <translation>
            <numerusform>%n duplicate skipped</numerusform>
            <numerusform>%n duplicates skipped</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (unparseable)</source>
        <translation>
            <numerusform>%n record skipped (unparseable)</numerusform>
            <numerusform>%n records skipped (unparseable)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n metadata record(s) skipped</source>
        <translation>
            <numerusform>%n metadata record skipped</numerusform>
            <numerusform>%n metadata records skipped</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (unmapped source account)</source>
        <translation>
            <numerusform>%n record skipped (unmapped source account)</numerusform>
            <numerusform>%n records skipped (unmapped source account)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (database error — see log)</source>
        <translation>
            <numerusform>%n record skipped (database error — see log)</numerusform>
            <numerusform>%n records skipped (database error — see log)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (no account header)</source>
        <translation>%1 (no account header)</translation>
    </message>
    <message>
        <source>Imported transaction</source>
        <translation>Imported transaction</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>Savings</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>Credit Card</translation>
    </message>
    <message>
        <source>Investment</source>
        <translation>Investment</translation>
    </message>
    <message>
        <source>Checking</source>
        <translation>Checking</translation>
    </message>
    <message>
        <source>%1 is not an OFX or QFX bank statement. Nothing was imported.</source>
        <translation>%1 is not an OFX or QFX bank statement. Nothing was imported.</translation>
    </message>
    <message>
        <source>The statement of %1 is in %2, a currency the register does not keep. Nothing was imported.</source>
        <translation>The statement of %1 is in %2, a currency the register does not keep. Nothing was imported.</translation>
    </message>
    <message>
        <source>The statement of %1 is in %2, but the account &quot;%3&quot; is kept in %4. Nothing was imported.</source>
        <translation>The statement of %1 is in %2, but the account &quot;%3&quot; is kept in %4. Nothing was imported.</translation>
    </message>
</context>
<context>
    <name>KestAccount::AccountScreen</name>
    <message>
        <source>Unknown client</source>
        <translation>Unknown client</translation>
    </message>
    <message>
        <source>Kestrelwood Account</source>
        <translation>Kestrelwood Account</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profile</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Group</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Devices</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>Security</translation>
    </message>
    <message>
        <source>Data &amp; Privacy</source>
        <translation>Data &amp; Privacy</translation>
    </message>
    <message>
        <source>Personal Information</source>
        <translation>Personal Information</translation>
    </message>
    <message>
        <source>Edit Display Name</source>
        <translation>Edit Display Name</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Change your account password.</source>
        <translation>Change your account password.</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>Change Password</translation>
    </message>
    <message>
        <source>Account Portal</source>
        <translation>Account Portal</translation>
    </message>
    <message>
        <source>Billing and other settings of your account are on the web.</source>
        <translation>Billing and other settings of your account are on the web.</translation>
    </message>
    <message>
        <source>Open Account Portal</source>
        <translation>Open Account Portal</translation>
    </message>
    <message>
        <source>Registered Devices</source>
        <translation>Registered Devices</translation>
    </message>
    <message>
        <source>Devices that have synced with your account.</source>
        <translation>Devices that have synced with your account.</translation>
    </message>
    <message>
        <source>Active Sessions</source>
        <translation>Active Sessions</translation>
    </message>
    <message>
        <source>Sessions currently signed in to your account.</source>
        <translation>Sessions currently signed in to your account.</translation>
    </message>
    <message>
        <source>Danger Zone</source>
        <translation>Danger Zone</translation>
    </message>
    <message>
        <source>Permanently delete your account. This cannot be undone after 30 days.</source>
        <translation>Permanently delete your account. This cannot be undone after 30 days.</translation>
    </message>
    <message>
        <source>Delete Account</source>
        <translation>Delete Account</translation>
    </message>
    <message>
        <source>You are the group owner. Transfer ownership or remove all members before deleting your account.</source>
        <translation>You are the group owner. Transfer ownership or remove all members before deleting your account.</translation>
    </message>
    <message>
        <source>Your profile could not be loaded.</source>
        <translation>Your profile could not be loaded.</translation>
    </message>
    <message>
        <source>(not set)</source>
        <translation>(not set)</translation>
    </message>
    <message>
        <source>Your group could not be loaded.</source>
        <translation>Your group could not be loaded.</translation>
    </message>
    <message>
        <source>No Group</source>
        <translation>No Group</translation>
    </message>
    <message>
        <source>You&apos;re not part of a group. The group owner can invite you, or you can join with an invite code.</source>
        <translation>You&apos;re not part of a group. The group owner can invite you, or you can join with an invite code.</translation>
    </message>
    <message>
        <source>Join with Invite Code</source>
        <translation>Join with Invite Code</translation>
    </message>
    <message>
        <source>%1 of %2 seats used</source>
        <translation>%1 of %2 seats used</translation>
    </message>
    <message>
        <source>Leave Group</source>
        <translation>Leave Group</translation>
    </message>
    <message>
        <source>Members</source>
        <translation>Members</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>Owner</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Pending Invitations</source>
        <translation>Pending Invitations</translation>
    </message>
    <message>
        <source>Invite code: %1</source>
        <translation>Invite code: %1</translation>
    </message>
    <message>
        <source>Revoke</source>
        <translation>Revoke</translation>
    </message>
    <message>
        <source>Invite Members</source>
        <translation>Invite Members</translation>
    </message>
    <message>
        <source>Invite someone to start a family group with you.</source>
        <translation>Invite someone to start a family group with you.</translation>
    </message>
    <message>
        <source>Invite by Email</source>
        <translation>Invite by Email</translation>
    </message>
    <message>
        <source>Generate Invite Code</source>
        <translation>Generate Invite Code</translation>
    </message>
    <message>
        <source>Your devices could not be loaded.</source>
        <translation>Your devices could not be loaded.</translation>
    </message>
    <message>
        <source>No devices registered.</source>
        <translation>No devices registered.</translation>
    </message>
    <message>
        <source>Unknown Device</source>
        <translation>Unknown Device</translation>
    </message>
    <message>
        <source>  ·  v%1</source>
        <translation>  ·  v%1</translation>
    </message>
    <message>
        <source>Your sessions could not be loaded.</source>
        <translation>Your sessions could not be loaded.</translation>
    </message>
    <message>
        <source>No active sessions.</source>
        <translation>No active sessions.</translation>
    </message>
    <message>
        <source>This session</source>
        <translation>This session</translation>
    </message>
    <message>
        <source>  ·  %1</source>
        <translation>  ·  %1</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Current</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unknown</translation>
    </message>
    <message>
        <source>Active now</source>
        <translation>Active now</translation>
    </message>
    <message>
        <source>%1m ago</source>
        <translation>%1m ago</translation>
    </message>
    <message>
        <source>%1h ago</source>
        <translation>%1h ago</translation>
    </message>
    <message>
        <source>%1d ago</source>
        <translation>%1d ago</translation>
    </message>
    <message>
        <source>Display name:</source>
        <translation>Display name:</translation>
    </message>
    <message>
        <source>Failed to update profile.</source>
        <translation>Failed to update profile.</translation>
    </message>
    <message>
        <source>Display name updated.</source>
        <translation>Display name updated.</translation>
    </message>
    <message>
        <source>Current password:</source>
        <translation>Current password:</translation>
    </message>
    <message>
        <source>New password (min 8 characters):</source>
        <translation>New password (min 8 characters):</translation>
    </message>
    <message>
        <source>Password must be at least 8 characters.</source>
        <translation>Password must be at least 8 characters.</translation>
    </message>
    <message>
        <source>Confirm new password:</source>
        <translation>Confirm new password:</translation>
    </message>
    <message>
        <source>Passwords do not match.</source>
        <translation>Passwords do not match.</translation>
    </message>
    <message>
        <source>Password changed.</source>
        <translation>Password changed.</translation>
    </message>
    <message>
        <source>Failed to change password.</source>
        <translation>Failed to change password.</translation>
    </message>
    <message>
        <source>Join Group</source>
        <translation>Join Group</translation>
    </message>
    <message>
        <source>Enter invite code:</source>
        <translation>Enter invite code:</translation>
    </message>
    <message>
        <source>Joined group.</source>
        <translation>Joined group.</translation>
    </message>
    <message>
        <source>Invalid or expired invite code.</source>
        <translation>Invalid or expired invite code.</translation>
    </message>
    <message>
        <source>Email address:</source>
        <translation>Email address:</translation>
    </message>
    <message>
        <source>Failed to send invitation.</source>
        <translation>Failed to send invitation.</translation>
    </message>
    <message>
        <source>Invitation sent.</source>
        <translation>Invitation sent.</translation>
    </message>
    <message>
        <source>Failed to generate code.</source>
        <translation>Failed to generate code.</translation>
    </message>
    <message>
        <source>Invite Code</source>
        <translation>Invite Code</translation>
    </message>
    <message>
        <source>Share this code with the person you want to invite:

%1</source>
        <translation>Share this code with the person you want to invite:

%1</translation>
    </message>
    <message>
        <source>Leave this group? You will lose access to shared data.</source>
        <translation>Leave this group? You will lose access to shared data.</translation>
    </message>
    <message>
        <source>Left group.</source>
        <translation>Left group.</translation>
    </message>
    <message>
        <source>Could not leave the group.</source>
        <translation>Could not leave the group.</translation>
    </message>
    <message>
        <source>Remove Member</source>
        <translation>Remove Member</translation>
    </message>
    <message>
        <source>Remove %1 from the group? The accounts you share with them will no longer reach them.</source>
        <translation>Remove %1 from the group? The accounts you share with them will no longer reach them.</translation>
    </message>
    <message>
        <source>%1 removed.</source>
        <translation>%1 removed.</translation>
    </message>
    <message>
        <source>Could not remove %1.</source>
        <translation>Could not remove %1.</translation>
    </message>
    <message>
        <source>Invitation revoked.</source>
        <translation>Invitation revoked.</translation>
    </message>
    <message>
        <source>Could not revoke the invitation.</source>
        <translation>Could not revoke the invitation.</translation>
    </message>
    <message>
        <source>Remove Device</source>
        <translation>Remove Device</translation>
    </message>
    <message>
        <source>Remove %1 from your account&apos;s devices? It registers again the next time it signs in.</source>
        <translation>Remove %1 from your account&apos;s devices? It registers again the next time it signs in.</translation>
    </message>
    <message>
        <source>Device removed.</source>
        <translation>Device removed.</translation>
    </message>
    <message>
        <source>Could not remove the device.</source>
        <translation>Could not remove the device.</translation>
    </message>
    <message>
        <source>Revoke Session</source>
        <translation>Revoke Session</translation>
    </message>
    <message>
        <source>Sign out %1? It will have to sign in again.</source>
        <translation>Sign out %1? It will have to sign in again.</translation>
    </message>
    <message>
        <source>Session revoked.</source>
        <translation>Session revoked.</translation>
    </message>
    <message>
        <source>Could not revoke the session.</source>
        <translation>Could not revoke the session.</translation>
    </message>
    <message>
        <source>This will schedule your account for permanent deletion after 30 days.

Type DELETE to confirm:</source>
        <translation>This will schedule your account for permanent deletion after 30 days.

Type DELETE to confirm:</translation>
    </message>
    <message>
        <source>Failed to delete account.</source>
        <translation>Failed to delete account.</translation>
    </message>
    <message>
        <source>Account Scheduled for Deletion</source>
        <translation>Account Scheduled for Deletion</translation>
    </message>
    <message>
        <source>Your account will be permanently deleted in 30 days. You can recover it by signing in before then.</source>
        <translation>Your account will be permanently deleted in 30 days. You can recover it by signing in before then.</translation>
    </message>
</context>
<context>
    <name>KestAccount::AuthClient</name>
    <message>
        <source>Failed to start local auth server</source>
        <translation>Failed to start local auth server</translation>
    </message>
    <message>
        <source>The sign-in was not completed in time</source>
        <translation>The sign-in was not completed in time</translation>
    </message>
    <message>
        <source>No web browser could be opened</source>
        <translation>No web browser could be opened</translation>
    </message>
    <message>
        <source>No tokens received</source>
        <translation>No tokens received</translation>
    </message>
</context>
<context>
    <name>KestAccount::ShareMembersDialog</name>
    <message>
        <source>Shared with</source>
        <translation>Shared with</translation>
    </message>
    <message>
        <source>Not shared with anyone yet.</source>
        <translation>Not shared with anyone yet.</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Share</translation>
    </message>
    <message>
        <source>Remove Selected</source>
        <translation>Remove Selected</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Remove Share</source>
        <translation>Remove Share</translation>
    </message>
    <message>
        <source>Remove %1&apos;s access to this item?</source>
        <translation>Remove %1&apos;s access to this item?</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Loading...</translation>
    </message>
    <message>
        <source>Could not load who this is shared with.</source>
        <translation>Could not load who this is shared with.</translation>
    </message>
    <message>
        <source>Your family group could not be loaded.</source>
        <translation>Your family group could not be loaded.</translation>
    </message>
    <message>
        <source>All group members already added</source>
        <translation>All group members already added</translation>
    </message>
    <message>
        <source>Sharing...</source>
        <translation>Sharing...</translation>
    </message>
    <message>
        <source>Could not share with %1.</source>
        <translation>Could not share with %1.</translation>
    </message>
    <message>
        <source>Could not remove share.</source>
        <translation>Could not remove share.</translation>
    </message>
</context>
<context>
    <name>KestAccount::WebAuthHandler</name>
    <message>
        <source>Sign-in problem</source>
        <translation>Sign-in problem</translation>
    </message>
    <message>
        <source>The request could not be read.</source>
        <translation>The request could not be read.</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Not found</translation>
    </message>
    <message>
        <source>There is nothing here.</source>
        <translation>There is nothing here.</translation>
    </message>
    <message>
        <source>This sign-in was not started by Kestrelwood Checkbook on this computer.</source>
        <translation>This sign-in was not started by Kestrelwood Checkbook on this computer.</translation>
    </message>
    <message>
        <source>The sign-in did not complete. Please try again.</source>
        <translation>The sign-in did not complete. Please try again.</translation>
    </message>
    <message>
        <source>Authentication complete!</source>
        <translation>Authentication complete!</translation>
    </message>
    <message>
        <source>You can close this tab and return to the application.</source>
        <translation>You can close this tab and return to the application.</translation>
    </message>
</context>
<context>
    <name>KestUpdate</name>
    <message>
        <source>No release notes available for %1 %2</source>
        <translation>No release notes available for %1 %2</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>Checking for updates…</translation>
    </message>
    <message>
        <source>%1 is up to date (version %2)</source>
        <translation>%1 is up to date (version %2)</translation>
    </message>
    <message>
        <source>Update check failed: %1</source>
        <translation>Update check failed: %1</translation>
    </message>
    <message>
        <source>Loading release notes…</source>
        <translation>Loading release notes…</translation>
    </message>
</context>
<context>
    <name>KestUpdate::Client</name>
    <message>
        <source>manifestBaseUrl is not valid</source>
        <translation>manifestBaseUrl is not valid</translation>
    </message>
    <message>
        <source>currentVersion is empty</source>
        <translation>currentVersion is empty</translation>
    </message>
    <message>
        <source>network error: %1</source>
        <translation>network error: %1</translation>
    </message>
    <message>
        <source>the manifest is larger than 1 MB</source>
        <translation>the manifest is larger than 1 MB</translation>
    </message>
    <message>
        <source>manifest invalid: %1</source>
        <translation>manifest invalid: %1</translation>
    </message>
    <message>
        <source>current version %1 is older than min_upgradable_from %2; please upgrade to an intermediate release first</source>
        <translation>current version %1 is older than min_upgradable_from %2; please upgrade to an intermediate release first</translation>
    </message>
</context>
<context>
    <name>KestUpdate::UpdateDialog</name>
    <message>
        <source>Update available</source>
        <translation>Update available</translation>
    </message>
    <message>
        <source>A new version of %1 is available.</source>
        <translation>A new version of %1 is available.</translation>
    </message>
    <message>
        <source>You have version %1. The latest version is %2.</source>
        <translation>You have version %1. The latest version is %2.</translation>
    </message>
    <message>
        <source>Loading release notes…</source>
        <translation>Loading release notes…</translation>
    </message>
    <message>
        <source>*Release notes are not available for this version.*</source>
        <translation>*Release notes are not available for this version.*</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Later</translation>
    </message>
</context>
<context>
    <name>KestUpdate::WhatsNewDialog</name>
    <message>
        <source>What&apos;s New in %1 %2</source>
        <translation>What&apos;s New in %1 %2</translation>
    </message>
    <message>
        <source>What&apos;s new in %1 %2</source>
        <translation>What&apos;s new in %1 %2</translation>
    </message>
    <message>
        <source>You are running version %1</source>
        <translation>You are running version %1</translation>
    </message>
    <message>
        <source>Download %1</source>
        <translation>Download %1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Kestrelwood Checkbook</source>
        <translation>Kestrelwood Checkbook</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Reports</translation>
    </message>
    <message>
        <source>Recurring Transactions</source>
        <translation>Recurring Transactions</translation>
    </message>
    <message>
        <source>Search Transactions</source>
        <translation>Search Transactions</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Categories</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferences</translation>
    </message>
    <message>
        <source>Reconciliation History</source>
        <translation>Reconciliation History</translation>
    </message>
    <message>
        <source>Import Transactions</source>
        <translation>Import Transactions</translation>
    </message>
    <message>
        <source>Payee Management</source>
        <translation>Payee Management</translation>
    </message>
    <message>
        <source>Sign In Required</source>
        <translation>Sign In Required</translation>
    </message>
    <message>
        <source>Sharing requires a Kestrelwood account. Sign in via File › Sign In to enable sharing.</source>
        <translation>Sharing requires a Kestrelwood account. Sign in via File › Sign In to enable sharing.</translation>
    </message>
    <message>
        <source>Share Account</source>
        <translation>Share Account</translation>
    </message>
    <message>
        <source>Delete Account</source>
        <translation>Delete Account</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;?

All transactions, recurring entries, and reconciliation history for this account will be removed. You can restore it from Preferences → Data &amp; Sync.</source>
        <translation>Delete &quot;%1&quot;?

All transactions, recurring entries, and reconciliation history for this account will be removed. You can restore it from Preferences → Data &amp; Sync.</translation>
    </message>
    <message>
        <source>Kestrelwood Account</source>
        <translation>Kestrelwood Account</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;New Transaction</source>
        <translation>&amp;New Transaction</translation>
    </message>
    <message>
        <source>New &amp;Account</source>
        <translation>New &amp;Account</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Import...</translation>
    </message>
    <message>
        <source>Kestrelwood &amp;Account...</source>
        <translation>Kestrelwood &amp;Account...</translation>
    </message>
    <message>
        <source>&amp;Sign In...</source>
        <translation>&amp;Sign In...</translation>
    </message>
    <message>
        <source>Sign &amp;Out</source>
        <translation>Sign &amp;Out</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Find...</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>&amp;Preferences...</translation>
    </message>
    <message>
        <source>&amp;Account</source>
        <translation>&amp;Account</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Edit...</translation>
    </message>
    <message>
        <source>&amp;Reconcile...</source>
        <translation>&amp;Reconcile...</translation>
    </message>
    <message>
        <source>Reconciliation &amp;History...</source>
        <translation>Reconciliation &amp;History...</translation>
    </message>
    <message>
        <source>Rename &amp;Payees...</source>
        <translation>Rename &amp;Payees...</translation>
    </message>
    <message>
        <source>&amp;Share...</source>
        <translation>&amp;Share...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>&amp;Reports</source>
        <translation>&amp;Reports</translation>
    </message>
    <message>
        <source>Re&amp;curring Transactions</source>
        <translation>Re&amp;curring Transactions</translation>
    </message>
    <message>
        <source>C&amp;ategories</source>
        <translation>C&amp;ategories</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;About Kestrelwood Checkbook</source>
        <translation>&amp;About Kestrelwood Checkbook</translation>
    </message>
    <message>
        <source>What&apos;s &amp;New...</source>
        <translation>What&apos;s &amp;New...</translation>
    </message>
    <message>
        <source>Check for &amp;Updates...</source>
        <translation>Check for &amp;Updates...</translation>
    </message>
    <message>
        <source>Send &amp;Feedback...</source>
        <translation>Send &amp;Feedback...</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>&amp;Keyboard Shortcuts</translation>
    </message>
    <message>
        <source>Load &amp;Sample Data</source>
        <translation>Load &amp;Sample Data</translation>
    </message>
    <message>
        <source>&amp;Clear Sample Data</source>
        <translation>&amp;Clear Sample Data</translation>
    </message>
    <message>
        <source>Welcome to Kestrelwood Checkbook</source>
        <translation>Welcome to Kestrelwood Checkbook</translation>
    </message>
    <message>
        <source>Create your first account to get started.</source>
        <translation>Create your first account to get started.</translation>
    </message>
    <message>
        <source>Create Account</source>
        <translation>Create Account</translation>
    </message>
    <message>
        <source>You can also import transactions from a CSV file via File › Import.</source>
        <translation>You can also import transactions from a CSV file via File › Import.</translation>
    </message>
    <message>
        <source>Not signed in</source>
        <translation>Not signed in</translation>
    </message>
    <message>
        <source>Select an account first</source>
        <translation>Select an account first</translation>
    </message>
    <message>
        <source>About Kestrelwood Checkbook</source>
        <translation>About Kestrelwood Checkbook</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Register</translation>
    </message>
    <message>
        <source>Save transaction</source>
        <translation>Save transaction</translation>
    </message>
    <message>
        <source>Delete current transaction</source>
        <translation>Delete current transaction</translation>
    </message>
    <message>
        <source>Next / previous field</source>
        <translation>Next / previous field</translation>
    </message>
    <message>
        <source>&apos; (apostrophe)</source>
        <translation>&apos; (apostrophe)</translation>
    </message>
    <message>
        <source>Copy value from field above</source>
        <translation>Copy value from field above</translation>
    </message>
    <message>
        <source>Date Field</source>
        <translation>Date Field</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Today</translation>
    </message>
    <message>
        <source>Next / previous day</source>
        <translation>Next / previous day</translation>
    </message>
    <message>
        <source>First / last day of month</source>
        <translation>First / last day of month</translation>
    </message>
    <message>
        <source>First / last day of year</source>
        <translation>First / last day of year</translation>
    </message>
    <message>
        <source>First / last day of week</source>
        <translation>First / last day of week</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>New account</source>
        <translation>New account</translation>
    </message>
    <message>
        <source>Reconcile account</source>
        <translation>Reconcile account</translation>
    </message>
    <message>
        <source>Search transactions</source>
        <translation>Search transactions</translation>
    </message>
    <message>
        <source>Recurring transactions</source>
        <translation>Recurring transactions</translation>
    </message>
    <message>
        <source>Accounts</source>
        <translation>Accounts</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 to %2</translation>
    </message>
    <message>
        <source>Switch to account 1 to 9</source>
        <translation>Switch to account 1 to 9</translation>
    </message>
    <message>
        <source>Switch to account 10</source>
        <translation>Switch to account 10</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Keyboard Shortcuts</translation>
    </message>
    <message>
        <source>New Account</source>
        <translation>New Account</translation>
    </message>
    <message>
        <source>The account could not be created.</source>
        <translation>The account could not be created.</translation>
    </message>
    <message>
        <source>Edit Account</source>
        <translation>Edit Account</translation>
    </message>
    <message>
        <source>The account could not be saved.</source>
        <translation>The account could not be saved.</translation>
    </message>
    <message>
        <source>The account could not be deleted.</source>
        <translation>The account could not be deleted.</translation>
    </message>
    <message>
        <source>Transaction memorized as recurring</source>
        <translation>Transaction memorized as recurring</translation>
    </message>
    <message>
        <source>Not Saved</source>
        <translation>Not Saved</translation>
    </message>
    <message>
        <source>The recurring transaction could not be saved.</source>
        <translation>The recurring transaction could not be saved.</translation>
    </message>
    <message>
        <source>Insert new transaction (elsewhere: import)</source>
        <translation>Insert new transaction (elsewhere: import)</translation>
    </message>
    <message>
        <source>New transaction in a form (elsewhere: in the register)</source>
        <translation>New transaction in a form (elsewhere: in the register)</translation>
    </message>
    <message>
        <source>Memorize as recurring transaction</source>
        <translation>Memorize as recurring transaction</translation>
    </message>
    <message>
        <source>Open the list or calendar</source>
        <translation>Open the list or calendar</translation>
    </message>
    <message>
        <source>Reconcile — %1</source>
        <translation>Reconcile — %1</translation>
    </message>
    <message numerus="yes">
        <source>Auto-posted %n recurring transaction(s)</source>
        <translation>
            <numerusform>Auto-posted %n recurring transaction</numerusform>
            <numerusform>Auto-posted %n recurring transactions</numerusform>
        </translation>
    </message>
    <message>
        <source>Some recurring transactions were not posted automatically:</source>
        <translation>Some recurring transactions were not posted automatically:</translation>
    </message>
    <message>
        <source>This transaction was deleted.</source>
        <translation>This transaction was deleted.</translation>
    </message>
    <message>
        <source>Sample Data</source>
        <translation>Sample Data</translation>
    </message>
    <message>
        <source>Sample data is already loaded.</source>
        <translation>Sample data is already loaded.</translation>
    </message>
    <message>
        <source>The sample data could not be loaded.</source>
        <translation>The sample data could not be loaded.</translation>
    </message>
    <message>
        <source>Sample data loaded</source>
        <translation>Sample data loaded</translation>
    </message>
    <message>
        <source>No sample data to clear.</source>
        <translation>No sample data to clear.</translation>
    </message>
    <message>
        <source>Clear Sample Data</source>
        <translation>Clear Sample Data</translation>
    </message>
    <message>
        <source>Remove the sample accounts with all their transactions and recurring transactions?</source>
        <translation>Remove the sample accounts with all their transactions and recurring transactions?</translation>
    </message>
    <message>
        <source>The sample data could not be cleared.</source>
        <translation>The sample data could not be cleared.</translation>
    </message>
    <message>
        <source>Sample data cleared</source>
        <translation>Sample data cleared</translation>
    </message>
    <message>
        <source>Signed in successfully</source>
        <translation>Signed in successfully</translation>
    </message>
    <message>
        <source>Sign-in failed: %1</source>
        <translation>Sign-in failed: %1</translation>
    </message>
    <message>
        <source>Sign-In Not Remembered</source>
        <translation>Sign-In Not Remembered</translation>
    </message>
    <message>
        <source>Your sign-in could not be saved in the system&apos;s keyring, so you will need to sign in again the next time you start Kestrelwood Checkbook.</source>
        <translation>Your sign-in could not be saved in the system&apos;s keyring, so you will need to sign in again the next time you start Kestrelwood Checkbook.</translation>
    </message>
    <message>
        <source>Sharing: %1</source>
        <translation>Sharing: %1</translation>
    </message>
    <message>
        <source>Share this account with members of your Kestrelwood family group. They&apos;ll see the same register, balances, and reconciliation history on their devices.</source>
        <translation>Share this account with members of your Kestrelwood family group. They&apos;ll see the same register, balances, and reconciliation history on their devices.</translation>
    </message>
    <message>
        <source>Shared with</source>
        <translation>Shared with</translation>
    </message>
    <message>
        <source>Not shared with anyone yet.</source>
        <translation>Not shared with anyone yet.</translation>
    </message>
    <message>
        <source>You are not in a family group yet. Invite someone or join a group in File › Kestrelwood Account, then share this account here.</source>
        <translation>You are not in a family group yet. Invite someone or join a group in File › Kestrelwood Account, then share this account here.</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Share</translation>
    </message>
    <message>
        <source>Remove Selected</source>
        <translation>Remove Selected</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Share Failed</source>
        <translation>Share Failed</translation>
    </message>
    <message>
        <source>Remove Failed</source>
        <translation>Remove Failed</translation>
    </message>
    <message>
        <source>Remove Share</source>
        <translation>Remove Share</translation>
    </message>
    <message>
        <source>Remove %1&apos;s access to this account?</source>
        <translation>Remove %1&apos;s access to this account?</translation>
    </message>
    <message>
        <source>Sync complete</source>
        <translation>Sync complete</translation>
    </message>
    <message>
        <source>Sync failed: %1</source>
        <translation>Sync failed: %1</translation>
    </message>
    <message>
        <source>Sync paused</source>
        <translation>Sync paused</translation>
    </message>
    <message>
        <source>Different Account</source>
        <translation>Different Account</translation>
    </message>
    <message>
        <source>This device&apos;s books could not be prepared for the account you signed in with, so nothing was synced. %1</source>
        <translation>This device&apos;s books could not be prepared for the account you signed in with, so nothing was synced. %1</translation>
    </message>
</context>
<context>
    <name>Manifest</name>
    <message>
        <source>missing or non-string field: %1</source>
        <translation>missing or non-string field: %1</translation>
    </message>
    <message>
        <source>artifact %1 is not an object</source>
        <translation>artifact %1 is not an object</translation>
    </message>
    <message>
        <source>artifact %1 failed validation</source>
        <translation>artifact %1 failed validation</translation>
    </message>
    <message>
        <source>JSON parse error: %1</source>
        <translation>JSON parse error: %1</translation>
    </message>
    <message>
        <source>manifest root is not a JSON object</source>
        <translation>manifest root is not a JSON object</translation>
    </message>
    <message>
        <source>missing or non-integer field: schema</source>
        <translation>missing or non-integer field: schema</translation>
    </message>
    <message>
        <source>unsupported manifest schema: %1 (expected %2)</source>
        <translation>unsupported manifest schema: %1 (expected %2)</translation>
    </message>
    <message>
        <source>missing or non-object field: artifacts</source>
        <translation>missing or non-object field: artifacts</translation>
    </message>
    <message>
        <source>manifest failed validation</source>
        <translation>manifest failed validation</translation>
    </message>
</context>
<context>
    <name>PayeeMemoEditor</name>
    <message>
        <source>Memo</source>
        <translation>Memo</translation>
    </message>
</context>
<context>
    <name>PayeeScreen</name>
    <message>
        <source>Select the payees to rename first.</source>
        <translation>Select the payees to rename first.</translation>
    </message>
    <message>
        <source>Type the new name under &quot;Rename to:&quot; first.</source>
        <translation>Type the new name under &quot;Rename to:&quot; first.</translation>
    </message>
    <message>
        <source>Rename Payees</source>
        <translation>Rename Payees</translation>
    </message>
    <message>
        <source>The payees could not be renamed.</source>
        <translation>The payees could not be renamed.</translation>
    </message>
    <message>
        <source>Rename Complete</source>
        <translation>Rename Complete</translation>
    </message>
    <message numerus="yes">
        <source>Renamed %n transaction(s).</source>
        <translation>
            <numerusform>Renamed %n transaction.</numerusform>
            <numerusform>Renamed %n transactions.</numerusform>
        </translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Merge</translation>
    </message>
    <message>
        <source>Select 2 or more payees to merge.</source>
        <translation>Select 2 or more payees to merge.</translation>
    </message>
    <message>
        <source>Merge Payees</source>
        <translation>Merge Payees</translation>
    </message>
    <message>
        <source>The payees could not be merged.</source>
        <translation>The payees could not be merged.</translation>
    </message>
    <message>
        <source>Merge Complete</source>
        <translation>Merge Complete</translation>
    </message>
    <message numerus="yes">
        <source>Merged %n transaction(s).</source>
        <translation>
            <numerusform>Merged %n transaction.</numerusform>
            <numerusform>Merged %n transactions.</numerusform>
        </translation>
    </message>
    <message>
        <source>Payees</source>
        <translation>Payees</translation>
    </message>
    <message>
        <source>Rename to:</source>
        <translation>Rename to:</translation>
    </message>
    <message>
        <source>Rename Selected</source>
        <translation>Rename Selected</translation>
    </message>
    <message>
        <source>Merge Selected</source>
        <translation>Merge Selected</translation>
    </message>
    <message>
        <source>Merge %1 payees into &quot;%2&quot;?</source>
        <translation>Merge %1 payees into &quot;%2&quot;?</translation>
    </message>
</context>
<context>
    <name>PaymentDepositChoice</name>
    <message>
        <source>Payment</source>
        <translation>Payment</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Deposit</translation>
    </message>
</context>
<context>
    <name>PaymentFormFields</name>
    <message>
        <source>Start typing to search payees...</source>
        <translation>Start typing to search payees...</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(none)</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>Optional</translation>
    </message>
</context>
<context>
    <name>ReconciliationHistoryScreen</name>
    <message>
        <source>Reconciliation History</source>
        <translation>Reconciliation History</translation>
    </message>
    <message>
        <source>Past reconciliations for this account.</source>
        <translation>Past reconciliations for this account.</translation>
    </message>
    <message>
        <source>Statement Date</source>
        <translation>Statement Date</translation>
    </message>
    <message>
        <source>Statement Balance</source>
        <translation>Statement Balance</translation>
    </message>
    <message>
        <source>Reconciled Balance</source>
        <translation>Reconciled Balance</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Completed</translation>
    </message>
    <message>
        <source>No reconciliations yet. Reconcile your account from the register to see the history here.</source>
        <translation>No reconciliations yet. Reconcile your account from the register to see the history here.</translation>
    </message>
    <message>
        <source>Reconciliation History — %1</source>
        <translation>Reconciliation History — %1</translation>
    </message>
</context>
<context>
    <name>ReconciliationModel</name>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Payee</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Amount</translation>
    </message>
    <message>
        <source>Clr</source>
        <translation>Clr</translation>
    </message>
</context>
<context>
    <name>ReconciliationScreen</name>
    <message>
        <source>Reconcile Account</source>
        <translation>Reconcile Account</translation>
    </message>
    <message>
        <source>Statement Date:</source>
        <translation>Statement Date:</translation>
    </message>
    <message>
        <source>Statement Balance:</source>
        <translation>Statement Balance:</translation>
    </message>
    <message>
        <source>Previous Balance</source>
        <translation>Previous Balance</translation>
    </message>
    <message>
        <source>Cleared Deposits</source>
        <translation>Cleared Deposits</translation>
    </message>
    <message>
        <source>Cleared Withdrawals</source>
        <translation>Cleared Withdrawals</translation>
    </message>
    <message>
        <source>Cleared Balance</source>
        <translation>Cleared Balance</translation>
    </message>
    <message>
        <source>Statement Balance</source>
        <translation>Statement Balance</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Difference</translation>
    </message>
    <message>
        <source>Finish Reconciliation</source>
        <translation>Finish Reconciliation</translation>
    </message>
    <message>
        <source>Finish when the difference is zero (%1)</source>
        <translation>Finish when the difference is zero (%1)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Add Transaction</source>
        <translation>Add Transaction</translation>
    </message>
    <message>
        <source>Add a transaction (%1)</source>
        <translation>Add a transaction (%1)</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Edit selected transaction (F2)</source>
        <translation>Edit selected transaction (F2)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Delete selected transaction (Del)</source>
        <translation>Delete selected transaction (Del)</translation>
    </message>
    <message>
        <source>Enter a valid date, such as %1</source>
        <translation>Enter a valid date, such as %1</translation>
    </message>
    <message>
        <source>The ticked transactions must match the statement balance: the difference is %1.</source>
        <translation>The ticked transactions must match the statement balance: the difference is %1.</translation>
    </message>
    <message>
        <source>Not Reconciled</source>
        <translation>Not Reconciled</translation>
    </message>
    <message>
        <source>The account was not reconciled; nothing was changed.</source>
        <translation>The account was not reconciled; nothing was changed.</translation>
    </message>
    <message>
        <source>Reconciliation Complete</source>
        <translation>Reconciliation Complete</translation>
    </message>
    <message>
        <source>Account reconciled successfully.</source>
        <translation>Account reconciled successfully.</translation>
    </message>
    <message>
        <source>Not Saved</source>
        <translation>Not Saved</translation>
    </message>
    <message>
        <source>The transaction could not be saved.</source>
        <translation>The transaction could not be saved.</translation>
    </message>
    <message>
        <source>Not Deleted</source>
        <translation>Not Deleted</translation>
    </message>
    <message>
        <source>The transaction could not be deleted.</source>
        <translation>The transaction could not be deleted.</translation>
    </message>
    <message>
        <source>Select a transaction in the list first.</source>
        <translation>Select a transaction in the list first.</translation>
    </message>
    <message>
        <source>too large</source>
        <translation>too large</translation>
    </message>
</context>
<context>
    <name>ReconciliationService</name>
    <message>
        <source>The account no longer exists.</source>
        <translation>The account no longer exists.</translation>
    </message>
    <message>
        <source>The statement date is not a valid date.</source>
        <translation>The statement date is not a valid date.</translation>
    </message>
    <message>
        <source>Transactions reconciled before were changed elsewhere, so the ticked ones no longer add up to the statement balance of %1.</source>
        <translation>Transactions reconciled before were changed elsewhere, so the ticked ones no longer add up to the statement balance of %1.</translation>
    </message>
    <message>
        <source>The amount of &quot;%1&quot; was changed elsewhere from %2 to %3.</source>
        <translation>The amount of &quot;%1&quot; was changed elsewhere from %2 to %3.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was reconciled elsewhere meanwhile.</source>
        <translation>&quot;%1&quot; was reconciled elsewhere meanwhile.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was deleted elsewhere after the reconciliation window read it.</source>
        <translation>&quot;%1&quot; was deleted elsewhere after the reconciliation window read it.</translation>
    </message>
</context>
<context>
    <name>RecurringFormDialog</name>
    <message>
        <source>Memorize Transaction</source>
        <translation>Memorize Transaction</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Type:</translation>
    </message>
    <message>
        <source>Payee:</source>
        <translation>Payee:</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Amount:</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Daily</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Weekly</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Monthly</translation>
    </message>
    <message>
        <source>Quarterly</source>
        <translation>Quarterly</translation>
    </message>
    <message>
        <source>Frequency:</source>
        <translation>Frequency:</translation>
    </message>
    <message>
        <source>Start Date:</source>
        <translation>Start Date:</translation>
    </message>
    <message>
        <source>Auto-post when due</source>
        <translation>Auto-post when due</translation>
    </message>
    <message>
        <source>New Recurring Transaction</source>
        <translation>New Recurring Transaction</translation>
    </message>
    <message>
        <source>Edit Recurring Transaction</source>
        <translation>Edit Recurring Transaction</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Account:</translation>
    </message>
    <message>
        <source>(deleted account)</source>
        <translation>(deleted account)</translation>
    </message>
    <message>
        <source>Transfer to:</source>
        <translation>Transfer to:</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Category:</translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation>Memo:</translation>
    </message>
    <message>
        <source>Bi-weekly</source>
        <translation>Bi-weekly</translation>
    </message>
    <message>
        <source>Semi-annual</source>
        <translation>Semi-annual</translation>
    </message>
    <message>
        <source>Annual</source>
        <translation>Annual</translation>
    </message>
    <message>
        <source>Has end date</source>
        <translation>Has end date</translation>
    </message>
    <message>
        <source>End Date:</source>
        <translation>End Date:</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Active</translation>
    </message>
    <message>
        <source>(deleted category)</source>
        <translation>(deleted category)</translation>
    </message>
    <message>
        <source>Rounded to %1: amounts in %2 have no fractions.</source>
        <translation>Rounded to %1: amounts in %2 have no fractions.</translation>
    </message>
    <message>
        <source>Next due on %1.</source>
        <translation>Next due on %1.</translation>
    </message>
    <message>
        <source>It ends before it is next due on %1, so it would never post: it is saved as inactive.</source>
        <translation>It ends before it is next due on %1, so it would never post: it is saved as inactive.</translation>
    </message>
    <message>
        <source>Next due on %1; the transaction of %2 is already in the register.</source>
        <translation>Next due on %1; the transaction of %2 is already in the register.</translation>
    </message>
    <message>
        <source>Enter a valid date, such as %1</source>
        <translation>Enter a valid date, such as %1</translation>
    </message>
    <message>
        <source>Create an account first: a recurring transaction posts into one.</source>
        <translation>Create an account first: a recurring transaction posts into one.</translation>
    </message>
    <message>
        <source>Payee is required</source>
        <translation>Payee is required</translation>
    </message>
    <message>
        <source>Enter a payment or deposit amount</source>
        <translation>Enter a payment or deposit amount</translation>
    </message>
    <message>
        <source>There is no category &quot;%1&quot;. Choose one from the list.</source>
        <translation>There is no category &quot;%1&quot;. Choose one from the list.</translation>
    </message>
    <message>
        <source>Enter a start date in 2000 or later.</source>
        <translation>Enter a start date in 2000 or later.</translation>
    </message>
    <message>
        <source>Transfer account not found</source>
        <translation>Transfer account not found</translation>
    </message>
    <message>
        <source>Transfers require both accounts to use the same currency</source>
        <translation>Transfers require both accounts to use the same currency</translation>
    </message>
</context>
<context>
    <name>RecurringModel</name>
    <message>
        <source>Account</source>
        <translation>Account</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Payee</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Amount</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequency</translation>
    </message>
    <message>
        <source>Next Due</source>
        <translation>Next Due</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Active</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation>Inactive</translation>
    </message>
</context>
<context>
    <name>RecurringScreen</name>
    <message>
        <source>Recurring Transactions</source>
        <translation>Recurring Transactions</translation>
    </message>
    <message>
        <source>Confirm All Due</source>
        <translation>Confirm All Due</translation>
    </message>
    <message>
        <source>New Recurring</source>
        <translation>New Recurring</translation>
    </message>
    <message>
        <source>(%1 due)</source>
        <translation>(%1 due)</translation>
    </message>
    <message>
        <source>• %1: %2</source>
        <translation>• %1: %2</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Confirm</source>
        <translation>&amp;Confirm</translation>
    </message>
    <message>
        <source>&amp;Skip</source>
        <translation>&amp;Skip</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not posted.</source>
        <translation>&quot;%1&quot; was not posted.</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Skip</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not skipped.</source>
        <translation>&quot;%1&quot; was not skipped.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Delete recurring &quot;%1&quot;?</source>
        <translation>Delete recurring &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be deleted.</source>
        <translation>&quot;%1&quot; could not be deleted.</translation>
    </message>
    <message numerus="yes">
        <source>%n recurring transaction(s) posted.</source>
        <translation>
            <numerusform>%n recurring transaction posted.</numerusform>
            <numerusform>%n recurring transactions posted.</numerusform>
        </translation>
    </message>
    <message>
        <source>Not posted:</source>
        <translation>Not posted:</translation>
    </message>
    <message>
        <source>The recurring transaction could not be saved.</source>
        <translation>The recurring transaction could not be saved.</translation>
    </message>
</context>
<context>
    <name>RecurringService</name>
    <message>
        <source>This recurring transaction was deleted elsewhere.</source>
        <translation>This recurring transaction was deleted elsewhere.</translation>
    </message>
    <message>
        <source>This recurring transaction is inactive.</source>
        <translation>This recurring transaction is inactive.</translation>
    </message>
    <message>
        <source>Its next due date is not a valid date, so it was made inactive. Give it a new start date to use it again.</source>
        <translation>Its next due date is not a valid date, so it was made inactive. Give it a new start date to use it again.</translation>
    </message>
    <message>
        <source>The occurrence due on %1 is already in the register, so it was not posted again.</source>
        <translation>The occurrence due on %1 is already in the register, so it was not posted again.</translation>
    </message>
    <message>
        <source>A whole year of missed occurrences was posted at once, so it was made inactive. Check its dates before making it active again.</source>
        <translation>A whole year of missed occurrences was posted at once, so it was made inactive. Check its dates before making it active again.</translation>
    </message>
    <message>
        <source>It ended on %1, before its next due date %2, so nothing was posted and it was made inactive.</source>
        <translation>It ended on %1, before its next due date %2, so nothing was posted and it was made inactive.</translation>
    </message>
</context>
<context>
    <name>RegisterModel</name>
    <message>
        <source>Payee / Memo</source>
        <translation>Payee / Memo</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Balance</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Chk #</source>
        <translation>Chk #</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Payee</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Category</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Memo</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Payment</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Deposit</translation>
    </message>
    <message>
        <source>Clr</source>
        <translation>Clr</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Overflow</translation>
    </message>
    <message>
        <source>The balance is too large to show.</source>
        <translation>The balance is too large to show.</translation>
    </message>
</context>
<context>
    <name>RegisterScreen</name>
    <message>
        <source>Cannot memorize: source transaction has an invalid date</source>
        <translation>Cannot memorize: source transaction has an invalid date</translation>
    </message>
    <message>
        <source>&amp;Insert New</source>
        <translation>&amp;Insert New</translation>
    </message>
    <message>
        <source>&amp;New Transaction...</source>
        <translation>&amp;New Transaction...</translation>
    </message>
    <message>
        <source>Mark &amp;Uncleared</source>
        <translation>Mark &amp;Uncleared</translation>
    </message>
    <message>
        <source>Mark &amp;Cleared</source>
        <translation>Mark &amp;Cleared</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>Fields cleared</source>
        <translation>Fields cleared</translation>
    </message>
    <message>
        <source>Reconcile</source>
        <translation>Reconcile</translation>
    </message>
    <message>
        <source>%1: save  |  Enter: next  |  %2: delete  |  %3: memorize  |  &apos;: copy above</source>
        <translation>%1: save  |  Enter: next  |  %2: delete  |  %3: memorize  |  &apos;: copy above</translation>
    </message>
    <message>
        <source>Payee is required</source>
        <translation>Payee is required</translation>
    </message>
    <message>
        <source>Enter a payment or deposit amount</source>
        <translation>Enter a payment or deposit amount</translation>
    </message>
    <message>
        <source>Enter a valid amount</source>
        <translation>Enter a valid amount</translation>
    </message>
    <message>
        <source>Transfer account not found</source>
        <translation>Transfer account not found</translation>
    </message>
    <message>
        <source>Transfers require both accounts to use the same currency</source>
        <translation>Transfers require both accounts to use the same currency</translation>
    </message>
    <message>
        <source>The transaction could not be changed.</source>
        <translation>The transaction could not be changed.</translation>
    </message>
    <message>
        <source>The transaction could not be deleted.</source>
        <translation>The transaction could not be deleted.</translation>
    </message>
    <message>
        <source>The transaction could not be saved.</source>
        <translation>The transaction could not be saved.</translation>
    </message>
    <message>
        <source>Transaction Changed</source>
        <translation>Transaction Changed</translation>
    </message>
    <message>
        <source>%1

What you typed is still on screen.</source>
        <translation>%1

What you typed is still on screen.</translation>
    </message>
    <message>
        <source>Keep Editing</source>
        <translation>Keep Editing</translation>
    </message>
    <message>
        <source>Show Saved Version</source>
        <translation>Show Saved Version</translation>
    </message>
    <message>
        <source>Save Mine Instead</source>
        <translation>Save Mine Instead</translation>
    </message>
    <message>
        <source>Not Saved</source>
        <translation>Not Saved</translation>
    </message>
    <message>
        <source>The opening balance is not a transaction: change it with Account › Edit.</source>
        <translation>The opening balance is not a transaction: change it with Account › Edit.</translation>
    </message>
    <message>
        <source>Enter a valid date, such as %1</source>
        <translation>Enter a valid date, such as %1</translation>
    </message>
    <message>
        <source>No category is named &quot;%1&quot;</source>
        <translation>No category is named &quot;%1&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; fits more than one category: choose one from the list</source>
        <translation>&quot;%1&quot; fits more than one category: choose one from the list</translation>
    </message>
    <message>
        <source>The transaction you were changing was deleted by another program.</source>
        <translation>The transaction you were changing was deleted by another program.</translation>
    </message>
    <message>
        <source>Unsaved Transaction</source>
        <translation>Unsaved Transaction</translation>
    </message>
    <message>
        <source>The new transaction you typed is not saved yet.</source>
        <translation>The new transaction you typed is not saved yet.</translation>
    </message>
    <message>
        <source>Your changes to this transaction are not saved yet.</source>
        <translation>Your changes to this transaction are not saved yet.</translation>
    </message>
    <message>
        <source>Save it, discard what you typed, or keep editing?</source>
        <translation>Save it, discard what you typed, or keep editing?</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Discard</translation>
    </message>
</context>
<context>
    <name>ReportChart</name>
    <message>
        <source>No data for this period</source>
        <translation>No data for this period</translation>
    </message>
    <message>
        <source>The chart is not shown, so there is no picture to save.</source>
        <translation>The chart is not shown, so there is no picture to save.</translation>
    </message>
    <message>
        <source>The file %1 could not be opened for writing: %2</source>
        <translation>The file %1 could not be opened for writing: %2</translation>
    </message>
    <message>
        <source>The picture could not be written to %1: %2</source>
        <translation>The picture could not be written to %1: %2</translation>
    </message>
    <message>
        <source>The file %1 could not be written: %2</source>
        <translation>The file %1 could not be written: %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Other</translation>
    </message>
    <message>
        <source>%1 %2: %3</source>
        <translation>%1 %2: %3</translation>
    </message>
    <message>
        <source>Period 1</source>
        <translation>Period 1</translation>
    </message>
    <message>
        <source>Period 2</source>
        <translation>Period 2</translation>
    </message>
    <message>
        <source>%1, %2: %3</source>
        <translation>%1, %2: %3</translation>
    </message>
    <message>
        <source>Net Worth (%1)</source>
        <translation>Net Worth (%1)</translation>
    </message>
</context>
<context>
    <name>ReportPeriods</name>
    <message>
        <source>This Year vs Last Year</source>
        <translation>This Year vs Last Year</translation>
    </message>
    <message>
        <source>Last Year vs Year Before</source>
        <translation>Last Year vs Year Before</translation>
    </message>
    <message>
        <source>This Quarter vs Last Quarter</source>
        <translation>This Quarter vs Last Quarter</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Custom</translation>
    </message>
</context>
<context>
    <name>ReportService</name>
    <message>
        <source>All Accounts (%1)</source>
        <translation>All Accounts (%1)</translation>
    </message>
    <message>
        <source>All Accounts</source>
        <translation>All Accounts</translation>
    </message>
    <message>
        <source>The file %1 could not be opened for writing: %2</source>
        <translation>The file %1 could not be opened for writing: %2</translation>
    </message>
    <message>
        <source>The file %1 could not be written: %2</source>
        <translation>The file %1 could not be written: %2</translation>
    </message>
</context>
<context>
    <name>ReportTable</name>
    <message>
        <source>Month</source>
        <translation>Month</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>Income</translation>
    </message>
    <message>
        <source>Expenses</source>
        <translation>Expenses</translation>
    </message>
    <message>
        <source>Net</source>
        <translation>Net</translation>
    </message>
    <message>
        <source>Inflows</source>
        <translation>Inflows</translation>
    </message>
    <message>
        <source>Outflows</source>
        <translation>Outflows</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Category</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Payee</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Count</translation>
    </message>
    <message>
        <source>Tax Code</source>
        <translation>Tax Code</translation>
    </message>
    <message>
        <source>too large</source>
        <translation>too large</translation>
    </message>
    <message>
        <source>Period 1</source>
        <translation>Period 1</translation>
    </message>
    <message>
        <source>Period 2</source>
        <translation>Period 2</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Difference</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Account</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Cleared</translation>
    </message>
    <message>
        <source>Uncleared</source>
        <translation>Uncleared</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Memo</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Amount</translation>
    </message>
    <message>
        <source>Checking</source>
        <translation>Checking</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>Savings</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>Credit Card</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Cash</translation>
    </message>
    <message>
        <source>Investment</source>
        <translation>Investment</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Other</translation>
    </message>
</context>
<context>
    <name>ReportsScreen</name>
    <message>
        <source>Reports</source>
        <translation>Reports</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Export CSV</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Account:</translation>
    </message>
    <message>
        <source>Period:</source>
        <translation>Period:</translation>
    </message>
    <message>
        <source>Category Spending</source>
        <translation>Category Spending</translation>
    </message>
    <message>
        <source>Payee Summary</source>
        <translation>Payee Summary</translation>
    </message>
    <message>
        <source>Tax Report</source>
        <translation>Tax Report</translation>
    </message>
    <message>
        <source>Income vs Expenses</source>
        <translation>Income vs Expenses</translation>
    </message>
    <message>
        <source>Cash Flow</source>
        <translation>Cash Flow</translation>
    </message>
    <message>
        <source>Year-over-Year</source>
        <translation>Year-over-Year</translation>
    </message>
    <message>
        <source>Account Summary</source>
        <translation>Account Summary</translation>
    </message>
    <message>
        <source>Transactions</source>
        <translation>Transactions</translation>
    </message>
    <message>
        <source>Compare:</source>
        <translation>Compare:</translation>
    </message>
    <message>
        <source>P1:</source>
        <translation>P1:</translation>
    </message>
    <message>
        <source>P2:</source>
        <translation>P2:</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>CSV Files (*.csv)</translation>
    </message>
    <message>
        <source>Export Failed</source>
        <translation>Export Failed</translation>
    </message>
    <message>
        <source>The report was not exported.

%1</source>
        <translation>The report was not exported.

%1</translation>
    </message>
    <message>
        <source>Show Charts</source>
        <translation>Show Charts</translation>
    </message>
    <message>
        <source>Export Chart</source>
        <translation>Export Chart</translation>
    </message>
    <message>
        <source>PNG Images (*.png)</source>
        <translation>PNG Images (*.png)</translation>
    </message>
    <message>
        <source>The chart was not exported.

%1</source>
        <translation>The chart was not exported.

%1</translation>
    </message>
    <message>
        <source>This report has no chart.</source>
        <translation>This report has no chart.</translation>
    </message>
</context>
<context>
    <name>RestoreResult</name>
    <message>
        <source>Import Complete</source>
        <translation>Import Complete</translation>
    </message>
    <message>
        <source>Import Failed</source>
        <translation>Import Failed</translation>
    </message>
    <message>
        <source>Imported %1 items, skipped %2.</source>
        <translation>Imported %1 items, skipped %2.</translation>
    </message>
    <message numerus="yes">
        <source>

%n error(s) occurred.</source>
        <translation>
            <numerusform>

%n error occurred.</numerusform>
            <numerusform>

%n errors occurred.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SampleDataService</name>
    <message>
        <source>Main Checking</source>
        <translation>Main Checking</translation>
    </message>
    <message>
        <source>Riverbend Credit Union</source>
        <translation>Riverbend Credit Union</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>Savings</translation>
    </message>
    <message>
        <source>Visa Rewards</source>
        <translation>Visa Rewards</translation>
    </message>
    <message>
        <source>Summit Bank</source>
        <translation>Summit Bank</translation>
    </message>
    <message>
        <source>Sample data is already loaded.</source>
        <translation>Sample data is already loaded.</translation>
    </message>
    <message>
        <source>No sample data to clear.</source>
        <translation>No sample data to clear.</translation>
    </message>
    <message numerus="yes">
        <source>The sample data was left in place: %n of your own entries (transactions, recurring transactions or reconciliations, including deleted ones) are in the sample accounts or transfer to them. Removing the sample accounts would take them along.</source>
        <translation>
            <numerusform>The sample data was left in place: %n of your own entries (transactions, recurring transactions or reconciliations, including deleted ones) are in the sample accounts or transfer to them. Removing the sample accounts would take them along.</numerusform>
            <numerusform>The sample data was left in place: %n of your own entries (transactions, recurring transactions or reconciliations, including deleted ones) are in the sample accounts or transfer to them. Removing the sample accounts would take them along.</numerusform>
        </translation>
    </message>
    <message>
        <source>Brightpath Inc</source>
        <translation>Brightpath Inc</translation>
    </message>
    <message>
        <source>Biweekly paycheck</source>
        <translation>Biweekly paycheck</translation>
    </message>
    <message>
        <source>Salary / Wages</source>
        <translation>Salary / Wages</translation>
    </message>
    <message>
        <source>Pinecrest Apartments</source>
        <translation>Pinecrest Apartments</translation>
    </message>
    <message>
        <source>February rent</source>
        <translation>February rent</translation>
    </message>
    <message>
        <source>Housing</source>
        <translation>Housing</translation>
    </message>
    <message>
        <source>Rent/Mortgage Payment</source>
        <translation>Rent/Mortgage Payment</translation>
    </message>
    <message>
        <source>Greenleaf Market</source>
        <translation>Greenleaf Market</translation>
    </message>
    <message>
        <source>Weekly groceries</source>
        <translation>Weekly groceries</translation>
    </message>
    <message>
        <source>Groceries</source>
        <translation>Groceries</translation>
    </message>
    <message>
        <source>Hilltop Gas</source>
        <translation>Hilltop Gas</translation>
    </message>
    <message>
        <source>Fill up</source>
        <translation>Fill up</translation>
    </message>
    <message>
        <source>Transportation</source>
        <translation>Transportation</translation>
    </message>
    <message>
        <source>Gas/Fuel</source>
        <translation>Gas/Fuel</translation>
    </message>
    <message>
        <source>Lakeside Utilities</source>
        <translation>Lakeside Utilities</translation>
    </message>
    <message>
        <source>Electric bill</source>
        <translation>Electric bill</translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation>Utilities</translation>
    </message>
    <message>
        <source>Electric</source>
        <translation>Electric</translation>
    </message>
    <message>
        <source>Water bill</source>
        <translation>Water bill</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Water</translation>
    </message>
    <message>
        <source>Streamline TV</source>
        <translation>Streamline TV</translation>
    </message>
    <message>
        <source>Monthly streaming</source>
        <translation>Monthly streaming</translation>
    </message>
    <message>
        <source>Entertainment</source>
        <translation>Entertainment</translation>
    </message>
    <message>
        <source>Streaming</source>
        <translation>Streaming</translation>
    </message>
    <message>
        <source>Maplewood Diner</source>
        <translation>Maplewood Diner</translation>
    </message>
    <message>
        <source>Dinner out</source>
        <translation>Dinner out</translation>
    </message>
    <message>
        <source>Dining &amp; Restaurants</source>
        <translation>Dining &amp; Restaurants</translation>
    </message>
    <message>
        <source>Clearview Insurance</source>
        <translation>Clearview Insurance</translation>
    </message>
    <message>
        <source>Auto insurance</source>
        <translation>Auto insurance</translation>
    </message>
    <message>
        <source>Insurance</source>
        <translation>Insurance</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Hope Community Church</source>
        <translation>Hope Community Church</translation>
    </message>
    <message>
        <source>Monthly donation</source>
        <translation>Monthly donation</translation>
    </message>
    <message>
        <source>Charitable Donations</source>
        <translation>Charitable Donations</translation>
    </message>
    <message>
        <source>Transfer to Savings</source>
        <translation>Transfer to Savings</translation>
    </message>
    <message>
        <source>Monthly savings</source>
        <translation>Monthly savings</translation>
    </message>
    <message>
        <source>March rent</source>
        <translation>March rent</translation>
    </message>
    <message>
        <source>NetConnect ISP</source>
        <translation>NetConnect ISP</translation>
    </message>
    <message>
        <source>Internet service</source>
        <translation>Internet service</translation>
    </message>
    <message>
        <source>Internet</source>
        <translation>Internet</translation>
    </message>
    <message>
        <source>Lunch</source>
        <translation>Lunch</translation>
    </message>
    <message>
        <source>Ridgeline Pharmacy</source>
        <translation>Ridgeline Pharmacy</translation>
    </message>
    <message>
        <source>Prescriptions</source>
        <translation>Prescriptions</translation>
    </message>
    <message>
        <source>Medical Expenses</source>
        <translation>Medical Expenses</translation>
    </message>
    <message>
        <source>Coffee &amp; pastry</source>
        <translation>Coffee &amp; pastry</translation>
    </message>
    <message>
        <source>Interest payment</source>
        <translation>Interest payment</translation>
    </message>
    <message>
        <source>Interest Income</source>
        <translation>Interest Income</translation>
    </message>
    <message>
        <source>Dash Delivery</source>
        <translation>Dash Delivery</translation>
    </message>
    <message>
        <source>Food delivery</source>
        <translation>Food delivery</translation>
    </message>
    <message>
        <source>Gadget World</source>
        <translation>Gadget World</translation>
    </message>
    <message>
        <source>Phone case</source>
        <translation>Phone case</translation>
    </message>
    <message>
        <source>Shopping</source>
        <translation>Shopping</translation>
    </message>
    <message>
        <source>Electronics</source>
        <translation>Electronics</translation>
    </message>
    <message>
        <source>CloudWatch Plus</source>
        <translation>CloudWatch Plus</translation>
    </message>
    <message>
        <source>Cloud storage plan</source>
        <translation>Cloud storage plan</translation>
    </message>
    <message>
        <source>Subscriptions</source>
        <translation>Subscriptions</translation>
    </message>
    <message>
        <source>Payment - Thank You</source>
        <translation>Payment - Thank You</translation>
    </message>
    <message>
        <source>Credit card payment</source>
        <translation>Credit card payment</translation>
    </message>
    <message>
        <source>Stellar Coffee</source>
        <translation>Stellar Coffee</translation>
    </message>
    <message>
        <source>Coffee beans</source>
        <translation>Coffee beans</translation>
    </message>
    <message>
        <source>BookNest Online</source>
        <translation>BookNest Online</translation>
    </message>
    <message>
        <source>Programming books</source>
        <translation>Programming books</translation>
    </message>
    <message>
        <source>Education Expenses</source>
        <translation>Education Expenses</translation>
    </message>
    <message>
        <source>TechVault</source>
        <translation>TechVault</translation>
    </message>
    <message>
        <source>USB hub</source>
        <translation>USB hub</translation>
    </message>
    <message>
        <source>Monthly rent</source>
        <translation>Monthly rent</translation>
    </message>
</context>
<context>
    <name>SearchExport</name>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Account</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Payee</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Category</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Memo</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Amount</translation>
    </message>
</context>
<context>
    <name>SearchScreen</name>
    <message>
        <source>The transactions could not be read.</source>
        <translation>The transactions could not be read.</translation>
    </message>
    <message>
        <source>Search payee, memo, check number...</source>
        <translation>Search payee, memo, check number...</translation>
    </message>
    <message>
        <source>Date range:</source>
        <translation>Date range:</translation>
    </message>
    <message>
        <source>Cleared only</source>
        <translation>Cleared only</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Account:</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Category:</translation>
    </message>
    <message>
        <source>to</source>
        <translation>to</translation>
    </message>
    <message>
        <source>All Accounts</source>
        <translation>All Accounts</translation>
    </message>
    <message>
        <source>All Categories</source>
        <translation>All Categories</translation>
    </message>
</context>
<context>
    <name>SettingsScreen</name>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Register</translation>
    </message>
    <message>
        <source>Data &amp; Sync</source>
        <translation>Data &amp; Sync</translation>
    </message>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message numerus="yes">
        <source>…and %n more.</source>
        <translation>
            <numerusform>…and %n more.</numerusform>
            <numerusform>…and %n more.</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing was restored; your data is as it was.</source>
        <translation>Nothing was restored; your data is as it was.</translation>
    </message>
    <message>
        <source>Language Changed</source>
        <translation>Language Changed</translation>
    </message>
    <message>
        <source>The new language will take effect the next time you start Kestrelwood Checkbook.</source>
        <translation>The new language will take effect the next time you start Kestrelwood Checkbook.</translation>
    </message>
    <message>
        <source>Export Backup</source>
        <translation>Export Backup</translation>
    </message>
    <message>
        <source>ZIP Files (*.zip)</source>
        <translation>ZIP Files (*.zip)</translation>
    </message>
    <message>
        <source>Exporting...</source>
        <translation>Exporting...</translation>
    </message>
    <message>
        <source>Import Backup</source>
        <translation>Import Backup</translation>
    </message>
    <message>
        <source>Import Mode</source>
        <translation>Import Mode</translation>
    </message>
    <message>
        <source>How should existing data be handled?</source>
        <translation>How should existing data be handled?</translation>
    </message>
    <message>
        <source>Importing...</source>
        <translation>Importing...</translation>
    </message>
    <message>
        <source>Restore Failed</source>
        <translation>Restore Failed</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Appearance</translation>
    </message>
    <message>
        <source>Control how Kestrelwood Checkbook looks.</source>
        <translation>Control how Kestrelwood Checkbook looks.</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>System Default</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Light</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Dark</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Theme</translation>
    </message>
    <message>
        <source>Regional</source>
        <translation>Regional</translation>
    </message>
    <message>
        <source>Date and calendar preferences.</source>
        <translation>Date and calendar preferences.</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Sunday</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Monday</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Saturday</translation>
    </message>
    <message>
        <source>Week starts on</source>
        <translation>Week starts on</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Display</translation>
    </message>
    <message>
        <source>How transactions appear in the register.</source>
        <translation>How transactions appear in the register.</translation>
    </message>
    <message>
        <source>Two-line rows</source>
        <translation>Two-line rows</translation>
    </message>
    <message>
        <source>Show memo on a second line below the payee.</source>
        <translation>Show memo on a second line below the payee.</translation>
    </message>
    <message>
        <source>Sorting</source>
        <translation>Sorting</translation>
    </message>
    <message>
        <source>Control the order of transactions in the register.</source>
        <translation>Control the order of transactions in the register.</translation>
    </message>
    <message>
        <source>Show newest transactions first</source>
        <translation>Show newest transactions first</translation>
    </message>
    <message>
        <source>When enabled, the most recent transactions appear at the top.</source>
        <translation>When enabled, the most recent transactions appear at the top.</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferences</translation>
    </message>
    <message>
        <source>The setting could not be saved. It applies until the program closes, and the data file may be full or read-only.</source>
        <translation>The setting could not be saved. It applies until the program closes, and the data file may be full or read-only.</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Sync</translation>
    </message>
    <message>
        <source>Keep your checkbook in sync across all your devices.</source>
        <translation>Keep your checkbook in sync across all your devices.</translation>
    </message>
    <message>
        <source>Sync Now</source>
        <translation>Sync Now</translation>
    </message>
    <message>
        <source>Force Full Sync</source>
        <translation>Force Full Sync</translation>
    </message>
    <message>
        <source>Backup &amp; Restore</source>
        <translation>Backup &amp; Restore</translation>
    </message>
    <message>
        <source>Save or restore your data to a portable backup file.</source>
        <translation>Save or restore your data to a portable backup file.</translation>
    </message>
    <message>
        <source>Deleted Accounts</source>
        <translation>Deleted Accounts</translation>
    </message>
    <message>
        <source>Accounts you&apos;ve deleted can be restored here.</source>
        <translation>Accounts you&apos;ve deleted can be restored here.</translation>
    </message>
    <message>
        <source>Restore Selected</source>
        <translation>Restore Selected</translation>
    </message>
    <message>
        <source>Kestrelwood Checkbook</source>
        <translation>Kestrelwood Checkbook</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Website</translation>
    </message>
    <message>
        <source>Help and user guide</source>
        <translation>Help and user guide</translation>
    </message>
    <message>
        <source>Privacy policy</source>
        <translation>Privacy policy</translation>
    </message>
    <message>
        <source>Not signed in.
Sign in via File › Sign In to enable sync.</source>
        <translation>Not signed in.
Sign in via File › Sign In to enable sync.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Signed in as:&lt;/b&gt; %1&lt;br&gt;&lt;b&gt;Status:&lt;/b&gt; &lt;span style=&quot;color:%2&quot;&gt;%3&lt;/span&gt;</source>
        <translation>&lt;b&gt;Signed in as:&lt;/b&gt; %1&lt;br&gt;&lt;b&gt;Status:&lt;/b&gt; &lt;span style=&quot;color:%2&quot;&gt;%3&lt;/span&gt;</translation>
    </message>
    <message>
        <source>Sync paused</source>
        <translation>Sync paused</translation>
    </message>
    <message>
        <source>Never synced</source>
        <translation>Never synced</translation>
    </message>
    <message>
        <source>Last synced: %1</source>
        <translation>Last synced: %1</translation>
    </message>
    <message>
        <source>
Error: %1</source>
        <translation>
Error: %1</translation>
    </message>
    <message>
        <source>This will re-upload every local row to the server and re-download all server data. Use this if data appears out of sync between devices.

Continue?</source>
        <translation>This will re-upload every local row to the server and re-download all server data. Use this if data appears out of sync between devices.

Continue?</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>Syncing...</translation>
    </message>
</context>
<context>
    <name>SmartAmountField</name>
    <message>
        <source>Amounts can be at most %1.</source>
        <translation>Amounts can be at most %1.</translation>
    </message>
</context>
<context>
    <name>SmartDateEdit</name>
    <message>
        <source>Open calendar (F4)</source>
        <translation>Open calendar (F4)</translation>
    </message>
</context>
<context>
    <name>StatusBar</name>
    <message>
        <source>Offline</source>
        <translation>Offline</translation>
    </message>
    <message numerus="yes">
        <source>%n account(s)</source>
        <translation>
            <numerusform>%n account</numerusform>
            <numerusform>%n accounts</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>  •  %n recurring due</source>
        <translation>
            <numerusform>  •  %n recurring due</numerusform>
            <numerusform>  •  %n recurring due</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SyncEngine</name>
    <message>
        <source>Synced</source>
        <translation>Synced</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>Syncing...</translation>
    </message>
    <message>
        <source>Sync error</source>
        <translation>Sync error</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>Offline</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unknown</translation>
    </message>
    <message>
        <source>Push failed (HTTP %1)</source>
        <translation>Push failed (HTTP %1)</translation>
    </message>
    <message>
        <source>Pull failed (HTTP %1)</source>
        <translation>Pull failed (HTTP %1)</translation>
    </message>
    <message>
        <source>The downloaded changes could not be stored; they are downloaded again at the next sync.</source>
        <translation>The downloaded changes could not be stored; they are downloaded again at the next sync.</translation>
    </message>
    <message>
        <source>The uploaded changes could not be marked as sent; they are sent again at the next sync.</source>
        <translation>The uploaded changes could not be marked as sent; they are sent again at the next sync.</translation>
    </message>
</context>
<context>
    <name>TransactionFormDialog</name>
    <message>
        <source>Edit Transaction</source>
        <translation>Edit Transaction</translation>
    </message>
    <message>
        <source>New Transaction</source>
        <translation>New Transaction</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Type:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Date:</translation>
    </message>
    <message>
        <source>Payee:</source>
        <translation>Payee:</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Amount:</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Category:</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>Optional</translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation>Memo:</translation>
    </message>
    <message>
        <source>Check #:</source>
        <translation>Check #:</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Cleared</translation>
    </message>
    <message>
        <source>Payee is required</source>
        <translation>Payee is required</translation>
    </message>
    <message>
        <source>Enter a payment or deposit amount</source>
        <translation>Enter a payment or deposit amount</translation>
    </message>
    <message>
        <source>Enter a valid date, such as %1</source>
        <translation>Enter a valid date, such as %1</translation>
    </message>
</context>
<context>
    <name>TransactionService</name>
    <message>
        <source>The account no longer exists.</source>
        <translation>The account no longer exists.</translation>
    </message>
    <message>
        <source>This transaction was changed elsewhere after you started editing it.</source>
        <translation>This transaction was changed elsewhere after you started editing it.</translation>
    </message>
    <message>
        <source>This transaction was deleted elsewhere after you started editing it.</source>
        <translation>This transaction was deleted elsewhere after you started editing it.</translation>
    </message>
    <message>
        <source>Transfer to %1</source>
        <translation>Transfer to %1</translation>
    </message>
    <message>
        <source>This transaction was deleted elsewhere.</source>
        <translation>This transaction was deleted elsewhere.</translation>
    </message>
    <message>
        <source>Transfer account not found</source>
        <translation>Transfer account not found</translation>
    </message>
    <message>
        <source>Transfers require both accounts to use the same currency</source>
        <translation>Transfers require both accounts to use the same currency</translation>
    </message>
    <message>
        <source>Transfer from %1</source>
        <translation>Transfer from %1</translation>
    </message>
</context>
<context>
    <name>UpdateWatch</name>
    <message>
        <source>Kestrelwood Checkbook</source>
        <translation>Kestrelwood Checkbook</translation>
    </message>
</context>
<context>
    <name>WelcomeScreen</name>
    <message>
        <source>Sign Out</source>
        <translation>Sign Out</translation>
    </message>
    <message>
        <source>Already have an account? Sign In</source>
        <translation>Already have an account? Sign In</translation>
    </message>
    <message>
        <source>Multi-Device Sync</source>
        <translation>Multi-Device Sync</translation>
    </message>
    <message>
        <source>Keep your checkbook in sync between your phone, tablet, and computer.</source>
        <translation>Keep your checkbook in sync between your phone, tablet, and computer.</translation>
    </message>
    <message>
        <source>Family Sharing</source>
        <translation>Family Sharing</translation>
    </message>
    <message>
        <source>Share accounts with family members. Everyone sees the same register in real time.</source>
        <translation>Share accounts with family members. Everyone sees the same register in real time.</translation>
    </message>
    <message>
        <source>Secure &amp; Private</source>
        <translation>Secure &amp; Private</translation>
    </message>
    <message>
        <source>Your data is encrypted in transit and at rest. We never sell your data or show ads.</source>
        <translation>Your data is encrypted in transit and at rest. We never sell your data or show ads.</translation>
    </message>
    <message>
        <source>Kestrelwood Checkbook</source>
        <translation>Kestrelwood Checkbook</translation>
    </message>
    <message>
        <source>Your finances, everywhere.</source>
        <translation>Your finances, everywhere.</translation>
    </message>
    <message>
        <source>Opens in your web browser</source>
        <translation>Opens in your web browser</translation>
    </message>
    <message>
        <source>Continue Without an Account</source>
        <translation>Continue Without an Account</translation>
    </message>
</context>
</TS>
