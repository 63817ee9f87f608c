<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>Application</name>
    <message>
        <source>Database Error</source>
        <translation>Database Error</translation>
    </message>
    <message>
        <source>Failed to initialize the database.

Data directory: %1

Please check file permissions and try again.</source>
        <translation>Failed to initialize the database.

Data directory: %1

Please check file permissions and try again.</translation>
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
</context>
<context>
    <name>StartWindow</name>
    <message>
        <source>Kestrelwood Checkbook</source>
        <translation>Kestrelwood Checkbook</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Account</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Balance</translation>
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
