<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AboutText</name>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>A digital checkbook register for tracking household finances.</source>
        <translation>Ein digitales Scheckbuch-Register für die Haushaltsfinanzen.</translation>
    </message>
    <message>
        <source>This program uses the Qt framework under the GNU Lesser General Public License, version 3. The source code of Qt is available at %1.</source>
        <translation>Dieses Programm verwendet das Qt-Framework unter der GNU Lesser General Public License, Version 3. Der Quellcode von Qt ist unter %1 erhältlich.</translation>
    </message>
</context>
<context>
    <name>AccountFormDialog</name>
    <message>
        <source>Edit Account</source>
        <translation>Konto bearbeiten</translation>
    </message>
    <message>
        <source>New Account</source>
        <translation>Neues Konto</translation>
    </message>
    <message>
        <source>Account name</source>
        <translation>Kontoname</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>Checking</source>
        <translation>Girokonto</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>Sparkonto</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>Kreditkarte</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Bargeld</translation>
    </message>
    <message>
        <source>Investment</source>
        <translation>Anlage</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Sonstiges</translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation>&amp;Typ:</translation>
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
        <translation>&amp;Währung:</translation>
    </message>
    <message>
        <source>Starting &amp;Balance:</source>
        <translation>&amp;Anfangssaldo:</translation>
    </message>
    <message>
        <source>&amp;As of:</source>
        <translation>&amp;Stichtag:</translation>
    </message>
    <message>
        <source>Bank name (optional)</source>
        <translation>Name der Bank (optional)</translation>
    </message>
    <message>
        <source>&amp;Institution:</source>
        <translation>&amp;Bank:</translation>
    </message>
    <message>
        <source>Last 4 digits (optional)</source>
        <translation>Letzte 4 Ziffern (optional)</translation>
    </message>
    <message>
        <source>Account &amp;Number:</source>
        <translation>&amp;Kontonummer:</translation>
    </message>
</context>
<context>
    <name>AccountService</name>
    <message>
        <source>An account needs a name.</source>
        <translation>Ein Konto braucht einen Namen.</translation>
    </message>
    <message>
        <source>The currency can&apos;t be changed between yen and another currency while the account holds amounts: yen have no cents, so every amount would become a hundred times larger or smaller.</source>
        <translation>Die Währung kann nicht zwischen Yen und einer anderen Währung gewechselt werden, solange das Konto Beträge enthält: Yen haben keine Cent, daher würde jeder Betrag hundertmal größer oder kleiner.</translation>
    </message>
    <message>
        <source>Another account is already named &quot;%1&quot;. Please choose another name.</source>
        <translation>Es gibt bereits ein Konto namens „%1“. Bitte wählen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <source>This account is no longer among the deleted accounts.</source>
        <translation>Dieses Konto ist nicht mehr unter den gelöschten Konten.</translation>
    </message>
    <message>
        <source>Another account is now named &quot;%1&quot;. Rename that account first, then restore this one.</source>
        <translation>Ein anderes Konto heißt jetzt „%1“. Benennen Sie zuerst jenes Konto um und stellen Sie dann dieses wieder her.</translation>
    </message>
</context>
<context>
    <name>AccountSharingService</name>
    <message>
        <source>Failed to share account (HTTP %1)</source>
        <translation>Das Konto konnte nicht geteilt werden (HTTP %1)</translation>
    </message>
</context>
<context>
    <name>AccountSidebar</name>
    <message>
        <source>Checking</source>
        <translation>Girokonto</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>Sparkonto</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>Kreditkarte</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Bargeld</translation>
    </message>
    <message>
        <source>Investment</source>
        <translation>Anlage</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Sonstiges</translation>
    </message>
    <message>
        <source>Unavailable</source>
        <translation>Nicht verfügbar</translation>
    </message>
    <message>
        <source>The balance could not be read from the database.</source>
        <translation>Der Saldo konnte nicht aus der Datenbank gelesen werden.</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Überlauf</translation>
    </message>
    <message>
        <source>The balance is too large to show.</source>
        <translation>Der Saldo ist zu groß für die Anzeige.</translation>
    </message>
    <message>
        <source>No accounts</source>
        <translation>Keine Konten</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <translation>Summe: %1</translation>
    </message>
    <message>
        <source>New Account...</source>
        <translation>Neues Konto...</translation>
    </message>
    <message>
        <source>Edit &quot;%1&quot;...</source>
        <translation>„%1“ bearbeiten...</translation>
    </message>
    <message>
        <source>Reconcile...</source>
        <translation>Abgleichen...</translation>
    </message>
    <message>
        <source>Reconciliation History...</source>
        <translation>Abgleichsverlauf...</translation>
    </message>
    <message>
        <source>Rename Payees...</source>
        <translation>Empfänger umbenennen...</translation>
    </message>
    <message>
        <source>Share...</source>
        <translation>Teilen...</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;</source>
        <translation>„%1“ löschen</translation>
    </message>
    <message>
        <source>The account order could not be saved</source>
        <translation>Die Reihenfolge der Konten konnte nicht gespeichert werden</translation>
    </message>
</context>
<context>
    <name>AnotherUserDialog</name>
    <message>
        <source>Different Account</source>
        <translation>Anderes Konto</translation>
    </message>
    <message>
        <source>The books on this device were last synced with a different Kestrelwood account.</source>
        <translation>Die Daten auf diesem Gerät wurden zuletzt mit einem anderen Kestrelwood-Konto synchronisiert.</translation>
    </message>
    <message>
        <source>Add this device&apos;s accounts and transactions to the account you just signed in with, or sign out. Nothing on this device is deleted either way; until you choose, nothing is synced.</source>
        <translation>Fügen Sie die Konten und Buchungen dieses Geräts dem Konto hinzu, mit dem Sie sich gerade angemeldet haben, oder melden Sie sich ab. In keinem Fall wird auf diesem Gerät etwas gelöscht; bis Sie sich entscheiden, wird nichts synchronisiert.</translation>
    </message>
    <message>
        <source>Add to This Account</source>
        <translation>Diesem Konto hinzufügen</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>Abmelden</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Database Error</source>
        <translation>Datenbankfehler</translation>
    </message>
    <message>
        <source>Failed to initialize the database.

Data directory: %1

%2</source>
        <translation>Die Datenbank konnte nicht initialisiert werden.

Datenverzeichnis: %1

%2</translation>
    </message>
    <message>
        <source>The data file is damaged. It was left as it is; nothing more was written to it.</source>
        <translation>Die Datendatei ist beschädigt. Sie wurde unverändert gelassen; es wurde nichts mehr hineingeschrieben.</translation>
    </message>
    <message>
        <source>The data file was made by a newer version of Kestrelwood Checkbook. Please use that version to open it.</source>
        <translation>Die Datendatei wurde von einer neueren Version von Kestrelwood Checkbook erstellt. Bitte öffnen Sie sie mit dieser Version.</translation>
    </message>
    <message>
        <source>The data file was not made by Kestrelwood Checkbook. It was left as it is.</source>
        <translation>Die Datendatei wurde nicht von Kestrelwood Checkbook erstellt. Sie wurde unverändert gelassen.</translation>
    </message>
    <message>
        <source>The data file does not record which version of Kestrelwood Checkbook made it, so it cannot be upgraded safely. It was left as it is.</source>
        <translation>Die Datendatei verzeichnet nicht, welche Version von Kestrelwood Checkbook sie erstellt hat, daher kann sie nicht sicher aktualisiert werden. Sie wurde unverändert gelassen.</translation>
    </message>
    <message>
        <source>The data file is in use by another program. Please close that program and try again.</source>
        <translation>Die Datendatei wird von einem anderen Programm verwendet. Bitte schließen Sie dieses Programm und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The disk is full. Please free some space and try again.</source>
        <translation>Der Datenträger ist voll. Bitte schaffen Sie Platz und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Please check file permissions and try again.</source>
        <translation>Bitte prüfen Sie die Dateiberechtigungen und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The data file was made by an older version of Kestrelwood Checkbook. Open the program once to bring it up to date, then try again.</source>
        <translation>Die Datendatei wurde von einer älteren Version von Kestrelwood Checkbook erstellt. Öffnen Sie das Programm einmal, um sie zu aktualisieren, und versuchen Sie es dann erneut.</translation>
    </message>
</context>
<context>
    <name>BackupArchiveReader</name>
    <message>
        <source>Failed to open ZIP archive</source>
        <translation>Das ZIP-Archiv konnte nicht geöffnet werden</translation>
    </message>
    <message numerus="yes">
        <source>The archive would unpack to more than %n GB.</source>
        <translation>
            <numerusform>Das Archiv würde entpackt mehr als %n GB belegen.</numerusform>
            <numerusform>Das Archiv würde entpackt mehr als %n GB belegen.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: unsafe entry name</source>
        <translation>%1: unsicherer Eintragsname</translation>
    </message>
    <message>
        <source>%1: encrypted or compressed in an unknown way</source>
        <translation>%1: verschlüsselt oder auf unbekannte Weise komprimiert</translation>
    </message>
    <message>
        <source>%1: larger than any row file</source>
        <translation>%1: größer als jede mögliche Zeilendatei</translation>
    </message>
    <message>
        <source>%1: compressed beyond any row file (a zip bomb)</source>
        <translation>%1: stärker komprimiert als jede mögliche Zeilendatei (eine ZIP-Bombe)</translation>
    </message>
    <message>
        <source>%1: unreadable</source>
        <translation>%1: nicht lesbar</translation>
    </message>
    <message>
        <source>%1: damaged</source>
        <translation>%1: beschädigt</translation>
    </message>
    <message>
        <source>%1: does not unpack to the size the archive states</source>
        <translation>%1: entpackt nicht auf die im Archiv angegebene Größe</translation>
    </message>
</context>
<context>
    <name>BackupService</name>
    <message>
        <source>Replace all with backup data</source>
        <translation>Alles durch die Daten der Sicherung ersetzen</translation>
    </message>
    <message>
        <source>Keep newer (compare timestamps)</source>
        <translation>Neuere behalten (Zeitstempel vergleichen)</translation>
    </message>
    <message>
        <source>Skip existing items</source>
        <translation>Vorhandene Einträge überspringen</translation>
    </message>
    <message>
        <source>The data file could not be read.</source>
        <translation>Die Datendatei konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The archive could not be written. %1</source>
        <translation>Das Archiv konnte nicht geschrieben werden. %1</translation>
    </message>
    <message>
        <source>The export was cancelled.</source>
        <translation>Der Export wurde abgebrochen.</translation>
    </message>
    <message>
        <source>The table %1 could not be read. %2</source>
        <translation>Die Tabelle %1 konnte nicht gelesen werden. %2</translation>
    </message>
    <message>
        <source>Could not read file.</source>
        <translation>Die Datei konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The restored rows could not be saved. %1</source>
        <translation>Die wiederhergestellten Zeilen konnten nicht gespeichert werden. %1</translation>
    </message>
    <message>
        <source>Invalid backup: missing manifest.json</source>
        <translation>Ungültige Sicherung: manifest.json fehlt</translation>
    </message>
    <message>
        <source>%1: invalid JSON</source>
        <translation>%1: ungültiges JSON</translation>
    </message>
    <message>
        <source>Unsupported backup version: %1</source>
        <translation>Nicht unterstützte Sicherungsversion: %1</translation>
    </message>
    <message>
        <source>%1: not part of a backup</source>
        <translation>%1: gehört nicht zu einer Sicherung</translation>
    </message>
    <message>
        <source>The table %1 could not be read.</source>
        <translation>Die Tabelle %1 konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The restore was cancelled; nothing was changed.</source>
        <translation>Die Wiederherstellung wurde abgebrochen; es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is no column of %3</source>
        <translation>%1: „%2“ ist keine Spalte von %3</translation>
    </message>
    <message>
        <source>%1: the value of &quot;%2&quot; cannot be stored</source>
        <translation>%1: der Wert von „%2“ kann nicht gespeichert werden</translation>
    </message>
    <message>
        <source>%1: the row has no id</source>
        <translation>%1: die Zeile hat keine ID</translation>
    </message>
    <message>
        <source>%1: the row could not be written: %2</source>
        <translation>%1: die Zeile konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>The restored rows could not be checked.</source>
        <translation>Die wiederhergestellten Zeilen konnten nicht geprüft werden.</translation>
    </message>
    <message>
        <source>%1: refers to a row that is neither in the backup nor in the register</source>
        <translation>%1: verweist auf eine Zeile, die weder in der Sicherung noch im Kontobuch steht</translation>
    </message>
</context>
<context>
    <name>BlockingProgressDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>CategoriesScreen</name>
    <message>
        <source>New Category</source>
        <translation>Neue Kategorie</translation>
    </message>
    <message>
        <source>Edit Category</source>
        <translation>Kategorie bearbeiten</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;? Transactions using this category will become uncategorized.</source>
        <translation>„%1“ löschen? Buchungen mit dieser Kategorie haben danach keine Kategorie mehr.</translation>
    </message>
    <message>
        <source>Delete Category</source>
        <translation>Kategorie löschen</translation>
    </message>
    <message>
        <source>The category could not be deleted.

%1</source>
        <translation>Die Kategorie konnte nicht gelöscht werden.

%1</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Kategorien</translation>
    </message>
    <message>
        <source>+ New Category</source>
        <translation>+ Neue Kategorie</translation>
    </message>
    <message>
        <source>&amp;New Category</source>
        <translation>&amp;Neue Kategorie</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
</context>
<context>
    <name>CategoryNameDialog</name>
    <message>
        <source>Category name:</source>
        <translation>Kategoriename:</translation>
    </message>
    <message>
        <source>The category could not be saved.

%1</source>
        <translation>Die Kategorie konnte nicht gespeichert werden.

%1</translation>
    </message>
</context>
<context>
    <name>CategoryService</name>
    <message>
        <source>Charitable Donations</source>
        <translation>Spenden</translation>
    </message>
    <message>
        <source>Medical Expenses</source>
        <translation>Krankheitskosten</translation>
    </message>
    <message>
        <source>Business Expenses</source>
        <translation>Geschäftsausgaben</translation>
    </message>
    <message>
        <source>Home Office</source>
        <translation>Heimbüro</translation>
    </message>
    <message>
        <source>Education Expenses</source>
        <translation>Bildungsausgaben</translation>
    </message>
    <message>
        <source>State &amp; Local Taxes</source>
        <translation>Landes- und Gemeindesteuern</translation>
    </message>
    <message>
        <source>Mortgage Interest</source>
        <translation>Hypothekenzinsen</translation>
    </message>
    <message>
        <source>Property Tax</source>
        <translation>Grundsteuer</translation>
    </message>
    <message>
        <source>Housing</source>
        <translation>Wohnen</translation>
    </message>
    <message>
        <source>Rent/Mortgage Payment</source>
        <translation>Miete/Hypothekenrate</translation>
    </message>
    <message>
        <source>Maintenance</source>
        <translation>Instandhaltung</translation>
    </message>
    <message>
        <source>HOA</source>
        <translation>Hausgeld</translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation>Nebenkosten</translation>
    </message>
    <message>
        <source>Electric</source>
        <translation>Strom</translation>
    </message>
    <message>
        <source>Gas</source>
        <translation>Gas</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Wasser</translation>
    </message>
    <message>
        <source>Internet</source>
        <translation>Internet</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>Transportation</source>
        <translation>Verkehr</translation>
    </message>
    <message>
        <source>Gas/Fuel</source>
        <translation>Benzin/Kraftstoff</translation>
    </message>
    <message>
        <source>Car Payment</source>
        <translation>Autokredit</translation>
    </message>
    <message>
        <source>Auto Insurance</source>
        <translation>Kfz-Versicherung</translation>
    </message>
    <message>
        <source>Public Transit</source>
        <translation>Öffentlicher Nahverkehr</translation>
    </message>
    <message>
        <source>Groceries</source>
        <translation>Lebensmittel</translation>
    </message>
    <message>
        <source>Dining &amp; Restaurants</source>
        <translation>Essen &amp; Restaurants</translation>
    </message>
    <message>
        <source>Personal Care</source>
        <translation>Körperpflege</translation>
    </message>
    <message>
        <source>Pets</source>
        <translation>Haustiere</translation>
    </message>
    <message>
        <source>Subscriptions</source>
        <translation>Abonnements</translation>
    </message>
    <message>
        <source>Gifts</source>
        <translation>Geschenke</translation>
    </message>
    <message>
        <source>Miscellaneous</source>
        <translation>Sonstiges</translation>
    </message>
    <message>
        <source>Entertainment</source>
        <translation>Unterhaltung</translation>
    </message>
    <message>
        <source>Streaming</source>
        <translation>Streaming</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>Kino</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Veranstaltungen</translation>
    </message>
    <message>
        <source>Shopping</source>
        <translation>Einkäufe</translation>
    </message>
    <message>
        <source>Clothing</source>
        <translation>Kleidung</translation>
    </message>
    <message>
        <source>Electronics</source>
        <translation>Elektronik</translation>
    </message>
    <message>
        <source>Household</source>
        <translation>Haushalt</translation>
    </message>
    <message>
        <source>Insurance</source>
        <translation>Versicherungen</translation>
    </message>
    <message>
        <source>Health</source>
        <translation>Kranken</translation>
    </message>
    <message>
        <source>Life</source>
        <translation>Leben</translation>
    </message>
    <message>
        <source>Home/Renters</source>
        <translation>Hausrat</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Kfz</translation>
    </message>
    <message>
        <source>Fees &amp; Charges</source>
        <translation>Gebühren &amp; Entgelte</translation>
    </message>
    <message>
        <source>Bank Fees</source>
        <translation>Bankgebühren</translation>
    </message>
    <message>
        <source>ATM Fees</source>
        <translation>Geldautomatengebühren</translation>
    </message>
    <message>
        <source>Late Fees</source>
        <translation>Säumnisgebühren</translation>
    </message>
    <message>
        <source>Salary / Wages</source>
        <translation>Gehalt / Lohn</translation>
    </message>
    <message>
        <source>Interest Income</source>
        <translation>Zinserträge</translation>
    </message>
    <message>
        <source>Dividend Income</source>
        <translation>Dividendenerträge</translation>
    </message>
    <message>
        <source>Rental Income</source>
        <translation>Mieteinnahmen</translation>
    </message>
    <message>
        <source>Freelance / Consulting</source>
        <translation>Freiberuflich / Beratung</translation>
    </message>
    <message>
        <source>Refunds</source>
        <translation>Erstattungen</translation>
    </message>
    <message>
        <source>Gifts Received</source>
        <translation>Erhaltene Geschenke</translation>
    </message>
    <message>
        <source>Other Income</source>
        <translation>Sonstige Einnahmen</translation>
    </message>
    <message>
        <source>This category has been deleted in the meantime.</source>
        <translation>Diese Kategorie wurde inzwischen gelöscht.</translation>
    </message>
    <message>
        <source>Type a name for the category.</source>
        <translation>Geben Sie einen Namen für die Kategorie ein.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; already has a category named &quot;%2&quot;.</source>
        <translation>„%1“ hat bereits eine Kategorie namens „%2“.</translation>
    </message>
    <message>
        <source>There is already a top-level category named &quot;%1&quot;.</source>
        <translation>Es gibt bereits eine Hauptkategorie namens „%1“.</translation>
    </message>
</context>
<context>
    <name>CategoryTreeModel</name>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Tax Code</source>
        <translation>Steuerschlüssel</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Cannot write to standard output: %1</source>
        <translation>In die Standardausgabe kann nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>The data file could not be read. %1</source>
        <translation>Die Datendatei konnte nicht gelesen werden. %1</translation>
    </message>
    <message>
        <source>The transactions could not be read.</source>
        <translation>Die Buchungen konnten nicht gelesen werden.</translation>
    </message>
    <message>
        <source>This report needs --%1 yyyy-MM-dd.</source>
        <translation>Dieser Bericht benötigt --%1 yyyy-MM-dd.</translation>
    </message>
    <message>
        <source>--%1 needs a date written yyyy-MM-dd, not &quot;%2&quot;.</source>
        <translation>--%1 benötigt ein Datum in der Form yyyy-MM-dd, nicht „%2“.</translation>
    </message>
    <message>
        <source>--%1 is before --%2.</source>
        <translation>--%1 liegt vor --%2.</translation>
    </message>
    <message>
        <source>Unknown report &quot;%1&quot;. The reports are: %2.</source>
        <translation>Unbekannter Bericht „%1“. Verfügbare Berichte: %2.</translation>
    </message>
    <message>
        <source>There is no account named &quot;%1&quot;.</source>
        <translation>Es gibt kein Konto namens „%1“.</translation>
    </message>
    <message>
        <source>Find the transactions matching &lt;text&gt;.</source>
        <translation>Findet die Buchungen, die zu &lt;Text&gt; passen.</translation>
    </message>
    <message>
        <source>text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Write the report &lt;kind&gt;, such as category_spending.</source>
        <translation>Schreibt den Bericht &lt;Art&gt;, etwa category_spending.</translation>
    </message>
    <message>
        <source>kind</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>The report&apos;s first day.</source>
        <translation>Der erste Tag des Berichts.</translation>
    </message>
    <message>
        <source>yyyy-MM-dd</source>
        <translation>yyyy-MM-dd</translation>
    </message>
    <message>
        <source>The report&apos;s last day.</source>
        <translation>Der letzte Tag des Berichts.</translation>
    </message>
    <message>
        <source>Year over year: the second period&apos;s first day.</source>
        <translation>Jahresvergleich: der erste Tag des zweiten Zeitraums.</translation>
    </message>
    <message>
        <source>Year over year: the second period&apos;s last day.</source>
        <translation>Jahresvergleich: der letzte Tag des zweiten Zeitraums.</translation>
    </message>
    <message>
        <source>name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Write the CSV to &lt;file&gt;.</source>
        <translation>Schreibt die CSV-Daten in &lt;Datei&gt;.</translation>
    </message>
    <message>
        <source>file</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Save a backup of the register as the ZIP archive &lt;file&gt;.</source>
        <translation>Speichert eine Sicherung des Kontobuchs als ZIP-Archiv &lt;Datei&gt;.</translation>
    </message>
    <message>
        <source>Restore the backup archive &lt;file&gt;.</source>
        <translation>Stellt die Sicherung aus dem Archiv &lt;Datei&gt; wieder her.</translation>
    </message>
    <message>
        <source>Restoring: what becomes of rows already there: skip, replace or newer.</source>
        <translation>Beim Wiederherstellen: was mit bereits vorhandenen Zeilen geschieht: skip, replace oder newer.</translation>
    </message>
    <message>
        <source>mode</source>
        <translation>Modus</translation>
    </message>
    <message>
        <source>Usage: kestrelwood-checkbook --search TEXT [--output FILE]
   or: kestrelwood-checkbook --report KIND --from yyyy-MM-dd --to yyyy-MM-dd [--from2 yyyy-MM-dd --to2 yyyy-MM-dd] [--account NAME] [--output FILE]
   or: kestrelwood-checkbook --export-backup FILE
   or: kestrelwood-checkbook --restore-backup FILE --mode skip|replace|newer
   or: kestrelwood-checkbook --import FILE... [--account NAME]</source>
        <translation>Aufruf: kestrelwood-checkbook --search TEXT [--output FILE]
  oder: kestrelwood-checkbook --report KIND --from yyyy-MM-dd --to yyyy-MM-dd [--from2 yyyy-MM-dd --to2 yyyy-MM-dd] [--account NAME] [--output FILE]
  oder: kestrelwood-checkbook --export-backup FILE
  oder: kestrelwood-checkbook --restore-backup FILE --mode skip|replace|newer
  oder: kestrelwood-checkbook --import FILE... [--account NAME]</translation>
    </message>
    <message>
        <source>Unexpected argument: %1</source>
        <translation>Unerwartetes Argument: %1</translation>
    </message>
    <message>
        <source>Give one of --search, --report, --export-backup, --restore-backup or --import.</source>
        <translation>Geben Sie eine der Optionen --search, --report, --export-backup, --restore-backup oder --import an.</translation>
    </message>
    <message>
        <source>--restore-backup needs --mode skip, --mode replace or --mode newer.</source>
        <translation>--restore-backup benötigt --mode skip, --mode replace oder --mode newer.</translation>
    </message>
    <message>
        <source>Cannot read the data file %1.</source>
        <translation>Die Datendatei %1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Report on, or import a CSV or OFX file into, the account &lt;name&gt;.</source>
        <translation>Bericht über das Konto &lt;name&gt; oder Import einer CSV- oder OFX-Datei in dieses Konto.</translation>
    </message>
    <message>
        <source>Import the bank files &lt;file&gt; and those after it (CSV, QIF, OFX or QFX).</source>
        <translation>Importiert die Bankdateien &lt;file&gt; und die folgenden (CSV, QIF, OFX oder QFX).</translation>
    </message>
</context>
<context>
    <name>CommandLineHelp</name>
    <message>
        <source>Write the transactions matching TEXT as CSV.</source>
        <translation>Schreibt die zu TEXT passenden Buchungen als CSV.</translation>
    </message>
    <message>
        <source>Write a report as CSV. The reports: %1.</source>
        <translation>Schreibt einen Bericht als CSV. Die Berichte: %1.</translation>
    </message>
    <message>
        <source>Save a backup of the register as a ZIP archive.</source>
        <translation>Speichert eine Sicherung des Kassenbuchs als ZIP-Archiv.</translation>
    </message>
    <message>
        <source>Restore a backup archive while the window is closed; needs --mode.</source>
        <translation>Stellt ein Sicherungsarchiv bei geschlossenem Fenster wieder her; benötigt --mode.</translation>
    </message>
    <message>
        <source>Import bank files (CSV, QIF, OFX or QFX) while the window is closed.</source>
        <translation>Importiert Bankdateien (CSV, QIF, OFX oder QFX) bei geschlossenem Fenster.</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Zeigt diese Hilfe.</translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation>Zeigt die Version.</translation>
    </message>
    <message>
        <source>The report&apos;s first day.</source>
        <translation>Der erste Tag des Berichts.</translation>
    </message>
    <message>
        <source>The report&apos;s last day.</source>
        <translation>Der letzte Tag des Berichts.</translation>
    </message>
    <message>
        <source>Year over year: the second period&apos;s first day.</source>
        <translation>Jahresvergleich: der erste Tag des zweiten Zeitraums.</translation>
    </message>
    <message>
        <source>Year over year: the second period&apos;s last day.</source>
        <translation>Jahresvergleich: der letzte Tag des zweiten Zeitraums.</translation>
    </message>
    <message>
        <source>The account a report reads or a CSV, OFX or QFX file goes to.</source>
        <translation>Das Konto, das ein Bericht liest oder in das eine CSV-, OFX- oder QFX-Datei geht.</translation>
    </message>
    <message>
        <source>Write the CSV of a search or report to FILE instead of standard output.</source>
        <translation>Schreibt das CSV einer Suche oder eines Berichts nach FILE statt auf die Standardausgabe.</translation>
    </message>
    <message>
        <source>Restoring: keep the rows already there, replace everything, or keep the newer row.</source>
        <translation>Beim Wiederherstellen: vorhandene Zeilen behalten, alles ersetzen oder die neuere Zeile behalten.</translation>
    </message>
    <message>
        <source>The folder of the register, checkbook.db; now %1.</source>
        <translation>Der Ordner des Kassenbuchs, checkbook.db; derzeit %1.</translation>
    </message>
    <message>
        <source>Print the debug and information messages too.</source>
        <translation>Gibt auch die Debug- und Informationsmeldungen aus.</translation>
    </message>
    <message>
        <source>Offer loading and clearing sample data in the Help menu.</source>
        <translation>Bietet im Hilfe-Menü das Laden und Löschen von Beispieldaten an.</translation>
    </message>
    <message>
        <source>The sign-in service.</source>
        <translation>Der Anmeldedienst.</translation>
    </message>
    <message>
        <source>The sign-in realm.</source>
        <translation>Der Anmeldebereich (Realm).</translation>
    </message>
    <message>
        <source>The client id the sign-in service knows the program by.</source>
        <translation>Die Client-ID, unter der der Anmeldedienst das Programm kennt.</translation>
    </message>
    <message>
        <source>The account service.</source>
        <translation>Der Kontodienst.</translation>
    </message>
    <message>
        <source>The sync service.</source>
        <translation>Der Synchronisierungsdienst.</translation>
    </message>
    <message>
        <source>The account web pages Kestrelwood Account opens.</source>
        <translation>Die Konto-Webseiten, die Kestrelwood-Konto öffnet.</translation>
    </message>
    <message>
        <source>The folder of the update feed&apos;s latest.json.</source>
        <translation>Der Ordner der latest.json des Update-Feeds.</translation>
    </message>
    <message>
        <source>The page Send Feedback opens.</source>
        <translation>Die Seite, die Feedback senden öffnet.</translation>
    </message>
    <message>
        <source>Example: %1</source>
        <translation>Beispiel: %1</translation>
    </message>
    <message>
        <source>Usage: %1 [COMMAND] [OPTIONS]</source>
        <translation>Aufruf: %1 [BEFEHL] [OPTIONEN]</translation>
    </message>
    <message>
        <source>Kestrelwood Checkbook, a checkbook register for household finances. Without a command it opens its window; the commands answer on the command line and need no display.</source>
        <translation>Kestrelwood Checkbook, ein Kassenbuch für die Haushaltsfinanzen. Ohne Befehl öffnet es sein Fenster; die Befehle antworten auf der Kommandozeile und brauchen keinen Bildschirm.</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Befehle:</translation>
    </message>
    <message>
        <source>Options of the commands:</source>
        <translation>Optionen der Befehle:</translation>
    </message>
    <message>
        <source>Environment variables:</source>
        <translation>Umgebungsvariablen:</translation>
    </message>
    <message>
        <source>Run &quot;%1 --help&quot; for the commands and options.</source>
        <translation>Rufen Sie „%1 --help“ auf, um die Befehle und Optionen zu sehen.</translation>
    </message>
</context>
<context>
    <name>CsvRowReader</name>
    <message>
        <source>No date, payee or amount in this row</source>
        <translation>Kein Datum, Empfänger oder Betrag in dieser Zeile</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date written %2</source>
        <translation>„%1“ ist kein Datum im Format %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an amount</source>
        <translation>„%1“ ist kein Betrag</translation>
    </message>
    <message>
        <source>A text in this row is too long</source>
        <translation>Ein Text in dieser Zeile ist zu lang</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>The disk is full.</source>
        <translation>Der Datenträger ist voll.</translation>
    </message>
    <message>
        <source>The data file is read-only.</source>
        <translation>Die Datendatei ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>The data file is in use by another program.</source>
        <translation>Die Datendatei wird von einem anderen Programm verwendet.</translation>
    </message>
    <message>
        <source>The data file is damaged.</source>
        <translation>Die Datendatei ist beschädigt.</translation>
    </message>
    <message>
        <source>The data file could not be written.</source>
        <translation>Die Datendatei konnte nicht geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>DateField</name>
    <message>
        <source>Open calendar (F4)</source>
        <translation>Kalender öffnen (F4)</translation>
    </message>
</context>
<context>
    <name>DeleteTransactionQuestion</name>
    <message>
        <source>Delete &quot;%1&quot; for %2?</source>
        <translation>„%1“ über %2 löschen?</translation>
    </message>
    <message>
        <source>Delete transfer &quot;%1&quot; for %2?

Both sides of the transfer will be deleted.</source>
        <translation>Umbuchung „%1“ über %2 löschen?

Beide Seiten der Umbuchung werden gelöscht.</translation>
    </message>
    <message>
        <source>Delete Transaction</source>
        <translation>Buchung löschen</translation>
    </message>
</context>
<context>
    <name>ExclusiveDataFile</name>
    <message>
        <source>Kestrelwood Checkbook is open on %1. Close it, then try again.</source>
        <translation>Kestrelwood Checkbook hat %1 geöffnet. Schließen Sie das Programm und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>Cannot open the data file %1. %2</source>
        <translation>Die Datendatei %1 kann nicht geöffnet werden. %2</translation>
    </message>
</context>
<context>
    <name>ExportResult</name>
    <message>
        <source>Backup Complete</source>
        <translation>Sicherung abgeschlossen</translation>
    </message>
    <message>
        <source>Backup Failed</source>
        <translation>Sicherung fehlgeschlagen</translation>
    </message>
    <message>
        <source>Backup saved to:
%1</source>
        <translation>Sicherung gespeichert unter:
%1</translation>
    </message>
    <message>
        <source>Could not write to:
%1</source>
        <translation>Schreiben nicht möglich in:
%1</translation>
    </message>
</context>
<context>
    <name>ImportCommand</name>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>tab</source>
        <translation>Tabulator</translation>
    </message>
    <message>
        <source>the mapping last used for this account</source>
        <translation>der zuletzt für dieses Konto verwendeten Zuordnung</translation>
    </message>
    <message>
        <source>the mapping proposed from the file</source>
        <translation>der aus der Datei vorgeschlagenen Zuordnung</translation>
    </message>
    <message>
        <source>Read with %1: separator %2, %3 line(s) before the table, %4, dates as %5, columns: date %6, payee %7, amount %8, credit %9, memo %10, category %11.</source>
        <translation>Gelesen mit %1: Trennzeichen %2, %3 Zeile(n) vor der Tabelle, %4, Datumsformat %5, Spalten: Datum %6, Empfänger %7, Betrag %8, Gutschrift %9, Notiz %10, Kategorie %11.</translation>
    </message>
    <message>
        <source>a header row</source>
        <translation>mit Kopfzeile</translation>
    </message>
    <message>
        <source>no header row</source>
        <translation>ohne Kopfzeile</translation>
    </message>
    <message>
        <source>%1: the import failed and nothing of it was stored (%2).</source>
        <translation>%1: Der Import ist fehlgeschlagen, es wurde nichts davon gespeichert (%2).</translation>
    </message>
    <message>
        <source>%1: import complete.</source>
        <translation>%1: Import abgeschlossen.</translation>
    </message>
    <message>
        <source>%1: a CSV file needs --account NAME, the account to import into.</source>
        <translation>%1: Eine CSV-Datei benötigt --account NAME, das Konto, in das importiert wird.</translation>
    </message>
    <message>
        <source>%1: the file could not be read.</source>
        <translation>%1: Die Datei konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>There is no account named &quot;%1&quot;.</source>
        <translation>Es gibt kein Konto namens „%1“.</translation>
    </message>
    <message>
        <source>%1: the new account &quot;%2&quot; holds its statement.</source>
        <translation>%1: das neue Konto „%2“ enthält seinen Kontoauszug.</translation>
    </message>
</context>
<context>
    <name>ImportScreen</name>
    <message>
        <source>Import Transactions</source>
        <translation>Buchungen importieren</translation>
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
        <translation>&amp;Konto:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Durchsuchen...</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Datei:</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>CSV Column Mapping:</source>
        <translation>CSV-Spaltenzuordnung:</translation>
    </message>
    <message>
        <source>Comma (,)</source>
        <translation>Komma (,)</translation>
    </message>
    <message>
        <source>Semicolon (;)</source>
        <translation>Semikolon (;)</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tabulator</translation>
    </message>
    <message>
        <source>Some banks put the account number and the period above the table.</source>
        <translation>Manche Banken schreiben die Kontonummer und den Zeitraum über die Tabelle.</translation>
    </message>
    <message>
        <source>First row is header</source>
        <translation>Erste Zeile ist Kopfzeile</translation>
    </message>
    <message>
        <source>For files with separate columns for money out and money in: the amount column is then the money out.</source>
        <translation>Für Dateien mit getrennten Spalten für Ausgänge und Eingänge: Die Betragsspalte enthält dann die Ausgänge.</translation>
    </message>
    <message>
        <source>Separator:</source>
        <translation>Trennzeichen:</translation>
    </message>
    <message>
        <source>Lines before the table:</source>
        <translation>Zeilen vor der Tabelle:</translation>
    </message>
    <message>
        <source>Date column:</source>
        <translation>Datumsspalte:</translation>
    </message>
    <message>
        <source>Payee column:</source>
        <translation>Empfängerspalte:</translation>
    </message>
    <message>
        <source>Amount column:</source>
        <translation>Betragsspalte:</translation>
    </message>
    <message>
        <source>Credit column:</source>
        <translation>Gutschriftspalte:</translation>
    </message>
    <message>
        <source>Memo column:</source>
        <translation>Notizspalte:</translation>
    </message>
    <message>
        <source>Category column:</source>
        <translation>Kategoriespalte:</translation>
    </message>
    <message>
        <source>Date format:</source>
        <translation>Datumsformat:</translation>
    </message>
    <message>
        <source>The first rows as they will be imported:</source>
        <translation>Die ersten Zeilen, wie sie importiert werden:</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Empfänger</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>QIF source accounts:</source>
        <translation>QIF-Quellkonten:</translation>
    </message>
    <message>
        <source>Choose where each Quicken account should be imported. Accounts mapped across the selected files will have their transfers linked automatically.</source>
        <translation>Wählen Sie, wohin jedes Quicken-Konto importiert werden soll. Bei Konten, die in den ausgewählten Dateien zugeordnet sind, werden die Umbuchungen automatisch verknüpft.</translation>
    </message>
    <message>
        <source>No file selected</source>
        <translation>Keine Datei ausgewählt</translation>
    </message>
    <message>
        <source>Select QIF File(s)</source>
        <translation>QIF-Datei(en) auswählen</translation>
    </message>
    <message>
        <source>QIF Files (*.qif)</source>
        <translation>QIF-Dateien (*.qif)</translation>
    </message>
    <message>
        <source>Select File</source>
        <translation>Datei auswählen</translation>
    </message>
    <message>
        <source>CSV Files (*.csv);;All Files (*)</source>
        <translation>CSV-Dateien (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>The file %1 could not be read.</source>
        <translation>Die Datei %1 konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <source>Col %1: %2</source>
        <translation>Spalte %1: %2</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Spalte %1</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) selected</source>
        <translation>
            <numerusform>%n Datei ausgewählt</numerusform>
            <numerusform>%n Dateien ausgewählt</numerusform>
        </translation>
    </message>
    <message>
        <source>Analyzing QIF file(s)...</source>
        <translation>QIF-Datei(en) werden analysiert...</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n transaction(s))</source>
        <translation>
            <numerusform>%1 (%n Buchung)</numerusform>
            <numerusform>%1 (%n Buchungen)</numerusform>
        </translation>
    </message>
    <message>
        <source>— Create new account &quot;%1&quot; —</source>
        <translation>— Neues Konto „%1“ anlegen —</translation>
    </message>
    <message>
        <source>— Skip these transactions —</source>
        <translation>— Diese Buchungen überspringen —</translation>
    </message>
    <message>
        <source>No transactions were found in the selected file(s).</source>
        <translation>In den ausgewählten Dateien wurden keine Buchungen gefunden.</translation>
    </message>
    <message>
        <source>Choose a file to import first.</source>
        <translation>Wählen Sie zuerst eine Datei zum Importieren aus.</translation>
    </message>
    <message>
        <source>No target account</source>
        <translation>Kein Zielkonto</translation>
    </message>
    <message>
        <source>Pick an account to import into, or create one now.</source>
        <translation>Wählen Sie ein Konto für den Import aus oder legen Sie jetzt eines an.</translation>
    </message>
    <message>
        <source>New Account</source>
        <translation>Neues Konto</translation>
    </message>
    <message>
        <source>The account could not be created.</source>
        <translation>Das Konto konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Importing...</source>
        <translation>Wird importiert...</translation>
    </message>
    <message>
        <source>Import cancelled.</source>
        <translation>Import abgebrochen.</translation>
    </message>
    <message>
        <source>The import was stopped and all changes were rolled back. No transactions were added.</source>
        <translation>Der Import wurde angehalten und alle Änderungen wurden zurückgenommen. Es wurden keine Buchungen hinzugefügt.</translation>
    </message>
    <message>
        <source>Import failed.</source>
        <translation>Import fehlgeschlagen.</translation>
    </message>
    <message>
        <source>A database error stopped the import and all changes were rolled back. No transactions were added.</source>
        <translation>Ein Datenbankfehler hat den Import angehalten, und alle Änderungen wurden zurückgenommen. Es wurden keine Buchungen hinzugefügt.</translation>
    </message>
    <message>
        <source>Import complete!</source>
        <translation>Import abgeschlossen!</translation>
    </message>
    <message>
        <source>OFX / QFX</source>
        <translation>OFX / QFX</translation>
    </message>
    <message>
        <source>Statement accounts:</source>
        <translation>Konten des Kontoauszugs:</translation>
    </message>
    <message>
        <source>Choose where each account of the statement should be imported. Rows imported from an earlier statement are skipped, so overlapping statements can be imported safely.</source>
        <translation>Wählen Sie, wohin jedes Konto des Kontoauszugs importiert wird. Zeilen aus einem früheren Kontoauszug werden übersprungen, sodass sich überschneidende Kontoauszüge gefahrlos importiert werden können.</translation>
    </message>
    <message>
        <source>Select Statement</source>
        <translation>Kontoauszug auswählen</translation>
    </message>
    <message>
        <source>Bank Statements (*.ofx *.qfx);;All Files (*)</source>
        <translation>Kontoauszüge (*.ofx *.qfx);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>The file %1 is not an OFX or QFX bank statement.</source>
        <translation>Die Datei %1 ist kein OFX- oder QFX-Kontoauszug.</translation>
    </message>
    <message numerus="yes">
        <source>%1, %2 (%n transaction(s))</source>
        <translation>
            <numerusform>%1, %2 (%n Buchung)</numerusform>
            <numerusform>%1, %2 (%n Buchungen)</numerusform>
        </translation>
    </message>
    <message>
        <source>Import refused.</source>
        <translation>Import abgelehnt.</translation>
    </message>
</context>
<context>
    <name>ImportService</name>
    <message numerus="yes">
        <source>%n transaction(s) imported</source>
        <translation>
            <numerusform>%n Buchung importiert</numerusform>
            <numerusform>%n Buchungen importiert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n transfer(s) linked across accounts</source>
        <translation>
            <numerusform>%n Umbuchung kontenübergreifend verknüpft</numerusform>
            <numerusform>%n Umbuchungen kontenübergreifend verknüpft</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>  (including %n linked to previously imported row(s))</source>
        <translation>
            <numerusform>  (davon %n mit zuvor importierten Zeilen verknüpft)</numerusform>
            <numerusform>  (davon %n mit zuvor importierten Zeilen verknüpft)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n duplicate(s) skipped</source>
        <translation>
            <numerusform>%n Duplikat übersprungen</numerusform>
            <numerusform>%n Duplikate übersprungen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (unparseable)</source>
        <translation>
            <numerusform>%n Datensatz übersprungen (nicht lesbar)</numerusform>
            <numerusform>%n Datensätze übersprungen (nicht lesbar)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n metadata record(s) skipped</source>
        <translation>
            <numerusform>%n Metadaten-Datensatz übersprungen</numerusform>
            <numerusform>%n Metadaten-Datensätze übersprungen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (unmapped source account)</source>
        <translation>
            <numerusform>%n Datensatz übersprungen (Quellkonto nicht zugeordnet)</numerusform>
            <numerusform>%n Datensätze übersprungen (Quellkonto nicht zugeordnet)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (database error — see log)</source>
        <translation>
            <numerusform>%n Datensatz übersprungen (Datenbankfehler — siehe Protokoll)</numerusform>
            <numerusform>%n Datensätze übersprungen (Datenbankfehler — siehe Protokoll)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (no account header)</source>
        <translation>%1 (ohne Kontokopf)</translation>
    </message>
    <message>
        <source>Imported transaction</source>
        <translation>Importierte Buchung</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>Sparkonto</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>Kreditkarte</translation>
    </message>
    <message>
        <source>Investment</source>
        <translation>Anlage</translation>
    </message>
    <message>
        <source>Checking</source>
        <translation>Girokonto</translation>
    </message>
    <message>
        <source>%1 is not an OFX or QFX bank statement. Nothing was imported.</source>
        <translation>%1 ist kein OFX- oder QFX-Kontoauszug. Es wurde nichts importiert.</translation>
    </message>
    <message>
        <source>The statement of %1 is in %2, a currency the register does not keep. Nothing was imported.</source>
        <translation>Der Kontoauszug von %1 ist in %2, einer Währung, die das Register nicht führt. Es wurde nichts importiert.</translation>
    </message>
    <message>
        <source>The statement of %1 is in %2, but the account &quot;%3&quot; is kept in %4. Nothing was imported.</source>
        <translation>Der Kontoauszug von %1 ist in %2, das Konto „%3“ wird aber in %4 geführt. Es wurde nichts importiert.</translation>
    </message>
</context>
<context>
    <name>KestAccount::AccountScreen</name>
    <message>
        <source>Unknown client</source>
        <translation>Unbekannter Client</translation>
    </message>
    <message>
        <source>Kestrelwood Account</source>
        <translation>Kestrelwood-Konto</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Gruppe</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Geräte</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>Sicherheit</translation>
    </message>
    <message>
        <source>Data &amp; Privacy</source>
        <translation>Daten und Datenschutz</translation>
    </message>
    <message>
        <source>Personal Information</source>
        <translation>Persönliche Angaben</translation>
    </message>
    <message>
        <source>Edit Display Name</source>
        <translation>Anzeigenamen bearbeiten</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Change your account password.</source>
        <translation>Ändern Sie das Passwort Ihres Kontos.</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>Passwort ändern</translation>
    </message>
    <message>
        <source>Account Portal</source>
        <translation>Kontoportal</translation>
    </message>
    <message>
        <source>Billing and other settings of your account are on the web.</source>
        <translation>Abrechnung und weitere Einstellungen Ihres Kontos finden Sie im Web.</translation>
    </message>
    <message>
        <source>Open Account Portal</source>
        <translation>Kontoportal öffnen</translation>
    </message>
    <message>
        <source>Registered Devices</source>
        <translation>Registrierte Geräte</translation>
    </message>
    <message>
        <source>Devices that have synced with your account.</source>
        <translation>Geräte, die mit Ihrem Konto synchronisiert haben.</translation>
    </message>
    <message>
        <source>Active Sessions</source>
        <translation>Aktive Sitzungen</translation>
    </message>
    <message>
        <source>Sessions currently signed in to your account.</source>
        <translation>Sitzungen, die gerade bei Ihrem Konto angemeldet sind.</translation>
    </message>
    <message>
        <source>Danger Zone</source>
        <translation>Gefahrenbereich</translation>
    </message>
    <message>
        <source>Permanently delete your account. This cannot be undone after 30 days.</source>
        <translation>Ihr Konto endgültig löschen. Nach 30 Tagen lässt sich das nicht mehr rückgängig machen.</translation>
    </message>
    <message>
        <source>Delete Account</source>
        <translation>Konto löschen</translation>
    </message>
    <message>
        <source>You are the group owner. Transfer ownership or remove all members before deleting your account.</source>
        <translation>Sie sind Eigentümer der Gruppe. Übertragen Sie die Eigentümerschaft oder entfernen Sie alle Mitglieder, bevor Sie Ihr Konto löschen.</translation>
    </message>
    <message>
        <source>Your profile could not be loaded.</source>
        <translation>Ihr Profil konnte nicht geladen werden.</translation>
    </message>
    <message>
        <source>(not set)</source>
        <translation>(nicht festgelegt)</translation>
    </message>
    <message>
        <source>Your group could not be loaded.</source>
        <translation>Ihre Gruppe konnte nicht geladen werden.</translation>
    </message>
    <message>
        <source>No Group</source>
        <translation>Keine Gruppe</translation>
    </message>
    <message>
        <source>You&apos;re not part of a group. The group owner can invite you, or you can join with an invite code.</source>
        <translation>Sie gehören keiner Gruppe an. Der Eigentümer einer Gruppe kann Sie einladen, oder Sie treten mit einem Einladungscode bei.</translation>
    </message>
    <message>
        <source>Join with Invite Code</source>
        <translation>Mit Einladungscode beitreten</translation>
    </message>
    <message>
        <source>%1 of %2 seats used</source>
        <translation>%1 von %2 Plätzen belegt</translation>
    </message>
    <message>
        <source>Leave Group</source>
        <translation>Gruppe verlassen</translation>
    </message>
    <message>
        <source>Members</source>
        <translation>Mitglieder</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>Eigentümer</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Pending Invitations</source>
        <translation>Offene Einladungen</translation>
    </message>
    <message>
        <source>Invite code: %1</source>
        <translation>Einladungscode: %1</translation>
    </message>
    <message>
        <source>Revoke</source>
        <translation>Widerrufen</translation>
    </message>
    <message>
        <source>Invite Members</source>
        <translation>Mitglieder einladen</translation>
    </message>
    <message>
        <source>Invite someone to start a family group with you.</source>
        <translation>Laden Sie jemanden ein, um mit Ihnen eine Familiengruppe zu gründen.</translation>
    </message>
    <message>
        <source>Invite by Email</source>
        <translation>Per E-Mail einladen</translation>
    </message>
    <message>
        <source>Generate Invite Code</source>
        <translation>Einladungscode erzeugen</translation>
    </message>
    <message>
        <source>Your devices could not be loaded.</source>
        <translation>Ihre Geräte konnten nicht geladen werden.</translation>
    </message>
    <message>
        <source>No devices registered.</source>
        <translation>Keine Geräte registriert.</translation>
    </message>
    <message>
        <source>Unknown Device</source>
        <translation>Unbekanntes Gerät</translation>
    </message>
    <message>
        <source>  ·  v%1</source>
        <translation>  ·  v%1</translation>
    </message>
    <message>
        <source>Your sessions could not be loaded.</source>
        <translation>Ihre Sitzungen konnten nicht geladen werden.</translation>
    </message>
    <message>
        <source>No active sessions.</source>
        <translation>Keine aktiven Sitzungen.</translation>
    </message>
    <message>
        <source>This session</source>
        <translation>Diese Sitzung</translation>
    </message>
    <message>
        <source>  ·  %1</source>
        <translation>  ·  %1</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Aktuell</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>Active now</source>
        <translation>Jetzt aktiv</translation>
    </message>
    <message>
        <source>%1m ago</source>
        <translation>vor %1 Min.</translation>
    </message>
    <message>
        <source>%1h ago</source>
        <translation>vor %1 Std.</translation>
    </message>
    <message>
        <source>%1d ago</source>
        <translation>vor %1 T.</translation>
    </message>
    <message>
        <source>Display name:</source>
        <translation>Anzeigename:</translation>
    </message>
    <message>
        <source>Failed to update profile.</source>
        <translation>Das Profil konnte nicht aktualisiert werden.</translation>
    </message>
    <message>
        <source>Display name updated.</source>
        <translation>Anzeigename aktualisiert.</translation>
    </message>
    <message>
        <source>Current password:</source>
        <translation>Aktuelles Passwort:</translation>
    </message>
    <message>
        <source>New password (min 8 characters):</source>
        <translation>Neues Passwort (mind. 8 Zeichen):</translation>
    </message>
    <message>
        <source>Password must be at least 8 characters.</source>
        <translation>Das Passwort muss mindestens 8 Zeichen lang sein.</translation>
    </message>
    <message>
        <source>Confirm new password:</source>
        <translation>Neues Passwort bestätigen:</translation>
    </message>
    <message>
        <source>Passwords do not match.</source>
        <translation>Die Passwörter stimmen nicht überein.</translation>
    </message>
    <message>
        <source>Password changed.</source>
        <translation>Passwort geändert.</translation>
    </message>
    <message>
        <source>Failed to change password.</source>
        <translation>Das Passwort konnte nicht geändert werden.</translation>
    </message>
    <message>
        <source>Join Group</source>
        <translation>Gruppe beitreten</translation>
    </message>
    <message>
        <source>Enter invite code:</source>
        <translation>Einladungscode eingeben:</translation>
    </message>
    <message>
        <source>Joined group.</source>
        <translation>Gruppe beigetreten.</translation>
    </message>
    <message>
        <source>Invalid or expired invite code.</source>
        <translation>Ungültiger oder abgelaufener Einladungscode.</translation>
    </message>
    <message>
        <source>Email address:</source>
        <translation>E-Mail-Adresse:</translation>
    </message>
    <message>
        <source>Failed to send invitation.</source>
        <translation>Die Einladung konnte nicht gesendet werden.</translation>
    </message>
    <message>
        <source>Invitation sent.</source>
        <translation>Einladung gesendet.</translation>
    </message>
    <message>
        <source>Failed to generate code.</source>
        <translation>Der Code konnte nicht erzeugt werden.</translation>
    </message>
    <message>
        <source>Invite Code</source>
        <translation>Einladungscode</translation>
    </message>
    <message>
        <source>Share this code with the person you want to invite:

%1</source>
        <translation>Geben Sie diesen Code der Person, die Sie einladen möchten:

%1</translation>
    </message>
    <message>
        <source>Leave this group? You will lose access to shared data.</source>
        <translation>Diese Gruppe verlassen? Sie verlieren den Zugriff auf geteilte Daten.</translation>
    </message>
    <message>
        <source>Left group.</source>
        <translation>Gruppe verlassen.</translation>
    </message>
    <message>
        <source>Could not leave the group.</source>
        <translation>Die Gruppe konnte nicht verlassen werden.</translation>
    </message>
    <message>
        <source>Remove Member</source>
        <translation>Mitglied entfernen</translation>
    </message>
    <message>
        <source>Remove %1 from the group? The accounts you share with them will no longer reach them.</source>
        <translation>%1 aus der Gruppe entfernen? Die Konten, die Sie mit dieser Person teilen, erreichen sie dann nicht mehr.</translation>
    </message>
    <message>
        <source>%1 removed.</source>
        <translation>%1 entfernt.</translation>
    </message>
    <message>
        <source>Could not remove %1.</source>
        <translation>%1 konnte nicht entfernt werden.</translation>
    </message>
    <message>
        <source>Invitation revoked.</source>
        <translation>Einladung widerrufen.</translation>
    </message>
    <message>
        <source>Could not revoke the invitation.</source>
        <translation>Die Einladung konnte nicht widerrufen werden.</translation>
    </message>
    <message>
        <source>Remove Device</source>
        <translation>Gerät entfernen</translation>
    </message>
    <message>
        <source>Remove %1 from your account&apos;s devices? It registers again the next time it signs in.</source>
        <translation>%1 aus den Geräten Ihres Kontos entfernen? Es registriert sich bei der nächsten Anmeldung erneut.</translation>
    </message>
    <message>
        <source>Device removed.</source>
        <translation>Gerät entfernt.</translation>
    </message>
    <message>
        <source>Could not remove the device.</source>
        <translation>Das Gerät konnte nicht entfernt werden.</translation>
    </message>
    <message>
        <source>Revoke Session</source>
        <translation>Sitzung widerrufen</translation>
    </message>
    <message>
        <source>Sign out %1? It will have to sign in again.</source>
        <translation>%1 abmelden? Es muss sich erneut anmelden.</translation>
    </message>
    <message>
        <source>Session revoked.</source>
        <translation>Sitzung widerrufen.</translation>
    </message>
    <message>
        <source>Could not revoke the session.</source>
        <translation>Die Sitzung konnte nicht widerrufen werden.</translation>
    </message>
    <message>
        <source>This will schedule your account for permanent deletion after 30 days.

Type DELETE to confirm:</source>
        <translation>Ihr Konto wird damit zur endgültigen Löschung nach 30 Tagen vorgemerkt.

Geben Sie zur Bestätigung DELETE ein:</translation>
    </message>
    <message>
        <source>Failed to delete account.</source>
        <translation>Das Konto konnte nicht gelöscht werden.</translation>
    </message>
    <message>
        <source>Account Scheduled for Deletion</source>
        <translation>Konto zur Löschung vorgemerkt</translation>
    </message>
    <message>
        <source>Your account will be permanently deleted in 30 days. You can recover it by signing in before then.</source>
        <translation>Ihr Konto wird in 30 Tagen endgültig gelöscht. Sie können es wiederherstellen, indem Sie sich vorher anmelden.</translation>
    </message>
</context>
<context>
    <name>KestAccount::AuthClient</name>
    <message>
        <source>Failed to start local auth server</source>
        <translation>Der lokale Anmeldedienst konnte nicht gestartet werden</translation>
    </message>
    <message>
        <source>The sign-in was not completed in time</source>
        <translation>Die Anmeldung wurde nicht rechtzeitig abgeschlossen</translation>
    </message>
    <message>
        <source>No web browser could be opened</source>
        <translation>Es konnte kein Webbrowser geöffnet werden</translation>
    </message>
    <message>
        <source>No tokens received</source>
        <translation>Keine Anmeldedaten erhalten</translation>
    </message>
</context>
<context>
    <name>KestAccount::ShareMembersDialog</name>
    <message>
        <source>Shared with</source>
        <translation>Geteilt mit</translation>
    </message>
    <message>
        <source>Not shared with anyone yet.</source>
        <translation>Noch mit niemandem geteilt.</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Teilen</translation>
    </message>
    <message>
        <source>Remove Selected</source>
        <translation>Auswahl entfernen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Remove Share</source>
        <translation>Freigabe entfernen</translation>
    </message>
    <message>
        <source>Remove %1&apos;s access to this item?</source>
        <translation>Den Zugriff von %1 auf dieses Element entfernen?</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Wird geladen...</translation>
    </message>
    <message>
        <source>Could not load who this is shared with.</source>
        <translation>Es konnte nicht geladen werden, mit wem dies geteilt ist.</translation>
    </message>
    <message>
        <source>Your family group could not be loaded.</source>
        <translation>Ihre Familiengruppe konnte nicht geladen werden.</translation>
    </message>
    <message>
        <source>All group members already added</source>
        <translation>Alle Gruppenmitglieder sind bereits hinzugefügt</translation>
    </message>
    <message>
        <source>Sharing...</source>
        <translation>Wird geteilt...</translation>
    </message>
    <message>
        <source>Could not share with %1.</source>
        <translation>Konnte nicht mit %1 geteilt werden.</translation>
    </message>
    <message>
        <source>Could not remove share.</source>
        <translation>Die Freigabe konnte nicht entfernt werden.</translation>
    </message>
</context>
<context>
    <name>KestAccount::WebAuthHandler</name>
    <message>
        <source>Sign-in problem</source>
        <translation>Problem bei der Anmeldung</translation>
    </message>
    <message>
        <source>The request could not be read.</source>
        <translation>Die Anfrage konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Nicht gefunden</translation>
    </message>
    <message>
        <source>There is nothing here.</source>
        <translation>Hier gibt es nichts.</translation>
    </message>
    <message>
        <source>This sign-in was not started by Kestrelwood Checkbook on this computer.</source>
        <translation>Diese Anmeldung wurde nicht von Kestrelwood Checkbook auf diesem Computer begonnen.</translation>
    </message>
    <message>
        <source>The sign-in did not complete. Please try again.</source>
        <translation>Die Anmeldung wurde nicht abgeschlossen. Bitte versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Authentication complete!</source>
        <translation>Anmeldung abgeschlossen!</translation>
    </message>
    <message>
        <source>You can close this tab and return to the application.</source>
        <translation>Sie können diesen Tab schließen und zur Anwendung zurückkehren.</translation>
    </message>
</context>
<context>
    <name>KestUpdate</name>
    <message>
        <source>No release notes available for %1 %2</source>
        <translation>Keine Versionshinweise für %1 %2 verfügbar</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>Suche nach Updates…</translation>
    </message>
    <message>
        <source>%1 is up to date (version %2)</source>
        <translation>%1 ist auf dem neuesten Stand (Version %2)</translation>
    </message>
    <message>
        <source>Update check failed: %1</source>
        <translation>Die Suche nach Updates ist fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>Loading release notes…</source>
        <translation>Versionshinweise werden geladen…</translation>
    </message>
</context>
<context>
    <name>KestUpdate::Client</name>
    <message>
        <source>manifestBaseUrl is not valid</source>
        <translation>manifestBaseUrl ist ungültig</translation>
    </message>
    <message>
        <source>currentVersion is empty</source>
        <translation>currentVersion ist leer</translation>
    </message>
    <message>
        <source>network error: %1</source>
        <translation>Netzwerkfehler: %1</translation>
    </message>
    <message>
        <source>the manifest is larger than 1 MB</source>
        <translation>das Manifest ist größer als 1 MB</translation>
    </message>
    <message>
        <source>manifest invalid: %1</source>
        <translation>Manifest ungültig: %1</translation>
    </message>
    <message>
        <source>current version %1 is older than min_upgradable_from %2; please upgrade to an intermediate release first</source>
        <translation>die aktuelle Version %1 ist älter als min_upgradable_from %2; bitte zuerst auf eine Zwischenversion aktualisieren</translation>
    </message>
</context>
<context>
    <name>KestUpdate::UpdateDialog</name>
    <message>
        <source>Update available</source>
        <translation>Update verfügbar</translation>
    </message>
    <message>
        <source>A new version of %1 is available.</source>
        <translation>Eine neue Version von %1 ist verfügbar.</translation>
    </message>
    <message>
        <source>You have version %1. The latest version is %2.</source>
        <translation>Sie haben Version %1. Die neueste Version ist %2.</translation>
    </message>
    <message>
        <source>Loading release notes…</source>
        <translation>Versionshinweise werden geladen…</translation>
    </message>
    <message>
        <source>*Release notes are not available for this version.*</source>
        <translation>*Für diese Version sind keine Versionshinweise verfügbar.*</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Herunterladen</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Später</translation>
    </message>
</context>
<context>
    <name>KestUpdate::WhatsNewDialog</name>
    <message>
        <source>What&apos;s New in %1 %2</source>
        <translation>Neu in %1 %2</translation>
    </message>
    <message>
        <source>What&apos;s new in %1 %2</source>
        <translation>Neu in %1 %2</translation>
    </message>
    <message>
        <source>You are running version %1</source>
        <translation>Sie verwenden Version %1</translation>
    </message>
    <message>
        <source>Download %1</source>
        <translation>%1 herunterladen</translation>
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
        <translation>Berichte</translation>
    </message>
    <message>
        <source>Recurring Transactions</source>
        <translation>Wiederkehrende Buchungen</translation>
    </message>
    <message>
        <source>Search Transactions</source>
        <translation>Buchungen suchen</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Kategorien</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Reconciliation History</source>
        <translation>Abgleichsverlauf</translation>
    </message>
    <message>
        <source>Import Transactions</source>
        <translation>Buchungen importieren</translation>
    </message>
    <message>
        <source>Payee Management</source>
        <translation>Empfängerverwaltung</translation>
    </message>
    <message>
        <source>Sign In Required</source>
        <translation>Anmeldung erforderlich</translation>
    </message>
    <message>
        <source>Sharing requires a Kestrelwood account. Sign in via File › Sign In to enable sharing.</source>
        <translation>Zum Teilen ist ein Kestrelwood-Konto nötig. Melden Sie sich über Datei › Anmelden an, um das Teilen zu aktivieren.</translation>
    </message>
    <message>
        <source>Share Account</source>
        <translation>Konto teilen</translation>
    </message>
    <message>
        <source>Delete Account</source>
        <translation>Konto löschen</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;?

All transactions, recurring entries, and reconciliation history for this account will be removed. You can restore it from Preferences → Data &amp; Sync.</source>
        <translation>„%1“ löschen?

Alle Buchungen, wiederkehrenden Einträge und der Abgleichsverlauf dieses Kontos werden entfernt. Sie können es unter Einstellungen → Daten &amp; Synchronisierung wiederherstellen.</translation>
    </message>
    <message>
        <source>Kestrelwood Account</source>
        <translation>Kestrelwood-Konto</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New Transaction</source>
        <translation>&amp;Neue Buchung</translation>
    </message>
    <message>
        <source>New &amp;Account</source>
        <translation>Neues &amp;Konto</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importieren...</translation>
    </message>
    <message>
        <source>Kestrelwood &amp;Account...</source>
        <translation>Kestrelwood-Kon&amp;to...</translation>
    </message>
    <message>
        <source>&amp;Sign In...</source>
        <translation>&amp;Anmelden...</translation>
    </message>
    <message>
        <source>Sign &amp;Out</source>
        <translation>Ab&amp;melden</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Suchen...</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>&amp;Einstellungen...</translation>
    </message>
    <message>
        <source>&amp;Account</source>
        <translation>&amp;Konto</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Bearbeiten...</translation>
    </message>
    <message>
        <source>&amp;Reconcile...</source>
        <translation>&amp;Abgleichen...</translation>
    </message>
    <message>
        <source>Reconciliation &amp;History...</source>
        <translation>Abgleichs&amp;verlauf...</translation>
    </message>
    <message>
        <source>Rename &amp;Payees...</source>
        <translation>&amp;Empfänger umbenennen...</translation>
    </message>
    <message>
        <source>&amp;Share...</source>
        <translation>&amp;Teilen...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Reports</source>
        <translation>&amp;Berichte</translation>
    </message>
    <message>
        <source>Re&amp;curring Transactions</source>
        <translation>&amp;Wiederkehrende Buchungen</translation>
    </message>
    <message>
        <source>C&amp;ategories</source>
        <translation>&amp;Kategorien</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About Kestrelwood Checkbook</source>
        <translation>Ü&amp;ber Kestrelwood Checkbook</translation>
    </message>
    <message>
        <source>What&apos;s &amp;New...</source>
        <translation>&amp;Neuigkeiten...</translation>
    </message>
    <message>
        <source>Check for &amp;Updates...</source>
        <translation>Nach &amp;Updates suchen...</translation>
    </message>
    <message>
        <source>Send &amp;Feedback...</source>
        <translation>&amp;Feedback senden...</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>&amp;Tastenkürzel</translation>
    </message>
    <message>
        <source>Load &amp;Sample Data</source>
        <translation>&amp;Beispieldaten laden</translation>
    </message>
    <message>
        <source>&amp;Clear Sample Data</source>
        <translation>Beispieldaten &amp;entfernen</translation>
    </message>
    <message>
        <source>Welcome to Kestrelwood Checkbook</source>
        <translation>Willkommen bei Kestrelwood Checkbook</translation>
    </message>
    <message>
        <source>Create your first account to get started.</source>
        <translation>Legen Sie Ihr erstes Konto an, um zu beginnen.</translation>
    </message>
    <message>
        <source>Create Account</source>
        <translation>Konto anlegen</translation>
    </message>
    <message>
        <source>You can also import transactions from a CSV file via File › Import.</source>
        <translation>Sie können Buchungen auch über Datei › Importieren aus einer CSV-Datei übernehmen.</translation>
    </message>
    <message>
        <source>Not signed in</source>
        <translation>Nicht angemeldet</translation>
    </message>
    <message>
        <source>Select an account first</source>
        <translation>Wählen Sie zuerst ein Konto</translation>
    </message>
    <message>
        <source>About Kestrelwood Checkbook</source>
        <translation>Über Kestrelwood Checkbook</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Register</translation>
    </message>
    <message>
        <source>Save transaction</source>
        <translation>Buchung speichern</translation>
    </message>
    <message>
        <source>Delete current transaction</source>
        <translation>Aktuelle Buchung löschen</translation>
    </message>
    <message>
        <source>Next / previous field</source>
        <translation>Nächstes / vorheriges Feld</translation>
    </message>
    <message>
        <source>&apos; (apostrophe)</source>
        <translation>&apos; (Apostroph)</translation>
    </message>
    <message>
        <source>Copy value from field above</source>
        <translation>Wert aus dem Feld darüber übernehmen</translation>
    </message>
    <message>
        <source>Date Field</source>
        <translation>Datumsfeld</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Heute</translation>
    </message>
    <message>
        <source>Next / previous day</source>
        <translation>Nächster / vorheriger Tag</translation>
    </message>
    <message>
        <source>First / last day of month</source>
        <translation>Erster / letzter Tag des Monats</translation>
    </message>
    <message>
        <source>First / last day of year</source>
        <translation>Erster / letzter Tag des Jahres</translation>
    </message>
    <message>
        <source>First / last day of week</source>
        <translation>Erster / letzter Tag der Woche</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>New account</source>
        <translation>Neues Konto</translation>
    </message>
    <message>
        <source>Reconcile account</source>
        <translation>Konto abgleichen</translation>
    </message>
    <message>
        <source>Search transactions</source>
        <translation>Buchungen suchen</translation>
    </message>
    <message>
        <source>Recurring transactions</source>
        <translation>Wiederkehrende Buchungen</translation>
    </message>
    <message>
        <source>Accounts</source>
        <translation>Konten</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>Switch to account 1 to 9</source>
        <translation>Zu Konto 1 bis 9 wechseln</translation>
    </message>
    <message>
        <source>Switch to account 10</source>
        <translation>Zu Konto 10 wechseln</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>New Account</source>
        <translation>Neues Konto</translation>
    </message>
    <message>
        <source>The account could not be created.</source>
        <translation>Das Konto konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Edit Account</source>
        <translation>Konto bearbeiten</translation>
    </message>
    <message>
        <source>The account could not be saved.</source>
        <translation>Das Konto konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>The account could not be deleted.</source>
        <translation>Das Konto konnte nicht gelöscht werden.</translation>
    </message>
    <message>
        <source>Transaction memorized as recurring</source>
        <translation>Buchung als wiederkehrend gemerkt</translation>
    </message>
    <message>
        <source>Not Saved</source>
        <translation>Nicht gespeichert</translation>
    </message>
    <message>
        <source>The recurring transaction could not be saved.</source>
        <translation>Die wiederkehrende Buchung konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Insert new transaction (elsewhere: import)</source>
        <translation>Neue Buchung einfügen (anderswo: importieren)</translation>
    </message>
    <message>
        <source>New transaction in a form (elsewhere: in the register)</source>
        <translation>Neue Buchung in einem Formular (anderswo: im Kontobuch)</translation>
    </message>
    <message>
        <source>Memorize as recurring transaction</source>
        <translation>Als wiederkehrende Buchung merken</translation>
    </message>
    <message>
        <source>Open the list or calendar</source>
        <translation>Liste oder Kalender öffnen</translation>
    </message>
    <message>
        <source>Reconcile — %1</source>
        <translation>Abgleichen — %1</translation>
    </message>
    <message numerus="yes">
        <source>Auto-posted %n recurring transaction(s)</source>
        <translation>
            <numerusform>%n wiederkehrende Buchung automatisch gebucht</numerusform>
            <numerusform>%n wiederkehrende Buchungen automatisch gebucht</numerusform>
        </translation>
    </message>
    <message>
        <source>Some recurring transactions were not posted automatically:</source>
        <translation>Einige wiederkehrende Buchungen wurden nicht automatisch gebucht:</translation>
    </message>
    <message>
        <source>This transaction was deleted.</source>
        <translation>Diese Buchung wurde gelöscht.</translation>
    </message>
    <message>
        <source>Sample Data</source>
        <translation>Beispieldaten</translation>
    </message>
    <message>
        <source>Sample data is already loaded.</source>
        <translation>Die Beispieldaten sind bereits geladen.</translation>
    </message>
    <message>
        <source>The sample data could not be loaded.</source>
        <translation>Die Beispieldaten konnten nicht geladen werden.</translation>
    </message>
    <message>
        <source>Sample data loaded</source>
        <translation>Beispieldaten geladen</translation>
    </message>
    <message>
        <source>No sample data to clear.</source>
        <translation>Es gibt keine Beispieldaten zum Entfernen.</translation>
    </message>
    <message>
        <source>Clear Sample Data</source>
        <translation>Beispieldaten entfernen</translation>
    </message>
    <message>
        <source>Remove the sample accounts with all their transactions and recurring transactions?</source>
        <translation>Die Beispielkonten mit allen ihren Buchungen und wiederkehrenden Buchungen entfernen?</translation>
    </message>
    <message>
        <source>The sample data could not be cleared.</source>
        <translation>Die Beispieldaten konnten nicht entfernt werden.</translation>
    </message>
    <message>
        <source>Sample data cleared</source>
        <translation>Beispieldaten entfernt</translation>
    </message>
    <message>
        <source>Signed in successfully</source>
        <translation>Erfolgreich angemeldet</translation>
    </message>
    <message>
        <source>Sign-in failed: %1</source>
        <translation>Anmeldung fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>Sign-In Not Remembered</source>
        <translation>Anmeldung nicht gespeichert</translation>
    </message>
    <message>
        <source>Your sign-in could not be saved in the system&apos;s keyring, so you will need to sign in again the next time you start Kestrelwood Checkbook.</source>
        <translation>Ihre Anmeldung konnte nicht im Schlüsselbund des Systems gespeichert werden. Beim nächsten Start von Kestrelwood Checkbook müssen Sie sich erneut anmelden.</translation>
    </message>
    <message>
        <source>Sharing: %1</source>
        <translation>Teilen: %1</translation>
    </message>
    <message>
        <source>Share this account with members of your Kestrelwood family group. They&apos;ll see the same register, balances, and reconciliation history on their devices.</source>
        <translation>Teilen Sie dieses Konto mit Mitgliedern Ihrer Kestrelwood-Familiengruppe. Sie sehen auf ihren Geräten dasselbe Kassenbuch, dieselben Salden und denselben Abstimmungsverlauf.</translation>
    </message>
    <message>
        <source>Shared with</source>
        <translation>Geteilt mit</translation>
    </message>
    <message>
        <source>Not shared with anyone yet.</source>
        <translation>Noch mit niemandem geteilt.</translation>
    </message>
    <message>
        <source>You are not in a family group yet. Invite someone or join a group in File › Kestrelwood Account, then share this account here.</source>
        <translation>Sie sind noch in keiner Familiengruppe. Laden Sie jemanden ein oder treten Sie unter Datei › Kestrelwood-Konto einer Gruppe bei und teilen Sie dieses Konto dann hier.</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Teilen</translation>
    </message>
    <message>
        <source>Remove Selected</source>
        <translation>Auswahl entfernen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Share Failed</source>
        <translation>Teilen fehlgeschlagen</translation>
    </message>
    <message>
        <source>Remove Failed</source>
        <translation>Entfernen fehlgeschlagen</translation>
    </message>
    <message>
        <source>Remove Share</source>
        <translation>Freigabe entfernen</translation>
    </message>
    <message>
        <source>Remove %1&apos;s access to this account?</source>
        <translation>Den Zugriff von %1 auf dieses Konto entfernen?</translation>
    </message>
    <message>
        <source>Sync complete</source>
        <translation>Synchronisierung abgeschlossen</translation>
    </message>
    <message>
        <source>Sync failed: %1</source>
        <translation>Synchronisierung fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>Sync paused</source>
        <translation>Synchronisierung angehalten</translation>
    </message>
    <message>
        <source>Different Account</source>
        <translation>Anderes Konto</translation>
    </message>
    <message>
        <source>This device&apos;s books could not be prepared for the account you signed in with, so nothing was synced. %1</source>
        <translation>Die Daten dieses Geräts konnten nicht für das Konto vorbereitet werden, mit dem Sie sich angemeldet haben; daher wurde nichts synchronisiert. %1</translation>
    </message>
</context>
<context>
    <name>Manifest</name>
    <message>
        <source>missing or non-string field: %1</source>
        <translation>Feld %1 fehlt oder ist kein Text</translation>
    </message>
    <message>
        <source>artifact %1 is not an object</source>
        <translation>Artefakt %1 ist kein Objekt</translation>
    </message>
    <message>
        <source>artifact %1 failed validation</source>
        <translation>Artefakt %1 ist ungültig</translation>
    </message>
    <message>
        <source>JSON parse error: %1</source>
        <translation>JSON-Lesefehler: %1</translation>
    </message>
    <message>
        <source>manifest root is not a JSON object</source>
        <translation>die Wurzel des Manifests ist kein JSON-Objekt</translation>
    </message>
    <message>
        <source>missing or non-integer field: schema</source>
        <translation>Feld schema fehlt oder ist keine ganze Zahl</translation>
    </message>
    <message>
        <source>unsupported manifest schema: %1 (expected %2)</source>
        <translation>nicht unterstütztes Manifest-Schema: %1 (erwartet %2)</translation>
    </message>
    <message>
        <source>missing or non-object field: artifacts</source>
        <translation>Feld artifacts fehlt oder ist kein Objekt</translation>
    </message>
    <message>
        <source>manifest failed validation</source>
        <translation>das Manifest ist ungültig</translation>
    </message>
</context>
<context>
    <name>PayeeMemoEditor</name>
    <message>
        <source>Memo</source>
        <translation>Notiz</translation>
    </message>
</context>
<context>
    <name>PayeeScreen</name>
    <message>
        <source>Select the payees to rename first.</source>
        <translation>Wählen Sie zuerst die Empfänger aus, die Sie umbenennen möchten.</translation>
    </message>
    <message>
        <source>Type the new name under &quot;Rename to:&quot; first.</source>
        <translation>Geben Sie zuerst unter „Umbenennen in:“ den neuen Namen ein.</translation>
    </message>
    <message>
        <source>Rename Payees</source>
        <translation>Empfänger umbenennen</translation>
    </message>
    <message>
        <source>The payees could not be renamed.</source>
        <translation>Die Empfänger konnten nicht umbenannt werden.</translation>
    </message>
    <message>
        <source>Rename Complete</source>
        <translation>Umbenennung abgeschlossen</translation>
    </message>
    <message numerus="yes">
        <source>Renamed %n transaction(s).</source>
        <translation>
            <numerusform>Empfänger in %n Buchung umbenannt.</numerusform>
            <numerusform>Empfänger in %n Buchungen umbenannt.</numerusform>
        </translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Zusammenführen</translation>
    </message>
    <message>
        <source>Select 2 or more payees to merge.</source>
        <translation>Wählen Sie 2 oder mehr Empfänger zum Zusammenführen aus.</translation>
    </message>
    <message>
        <source>Merge Payees</source>
        <translation>Empfänger zusammenführen</translation>
    </message>
    <message>
        <source>The payees could not be merged.</source>
        <translation>Die Empfänger konnten nicht zusammengeführt werden.</translation>
    </message>
    <message>
        <source>Merge Complete</source>
        <translation>Zusammenführung abgeschlossen</translation>
    </message>
    <message numerus="yes">
        <source>Merged %n transaction(s).</source>
        <translation>
            <numerusform>Empfänger in %n Buchung zusammengeführt.</numerusform>
            <numerusform>Empfänger in %n Buchungen zusammengeführt.</numerusform>
        </translation>
    </message>
    <message>
        <source>Payees</source>
        <translation>Empfänger</translation>
    </message>
    <message>
        <source>Rename to:</source>
        <translation>Umbenennen in:</translation>
    </message>
    <message>
        <source>Rename Selected</source>
        <translation>Auswahl umbenennen</translation>
    </message>
    <message>
        <source>Merge Selected</source>
        <translation>Auswahl zusammenführen</translation>
    </message>
    <message>
        <source>Merge %1 payees into &quot;%2&quot;?</source>
        <translation>%1 Empfänger zu „%2“ zusammenführen?</translation>
    </message>
</context>
<context>
    <name>PaymentDepositChoice</name>
    <message>
        <source>Payment</source>
        <translation>Zahlung</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Einzahlung</translation>
    </message>
</context>
<context>
    <name>PaymentFormFields</name>
    <message>
        <source>Start typing to search payees...</source>
        <translation>Tippen, um Empfänger zu suchen...</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
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
        <translation>Abgleichsverlauf</translation>
    </message>
    <message>
        <source>Past reconciliations for this account.</source>
        <translation>Frühere Abgleiche dieses Kontos.</translation>
    </message>
    <message>
        <source>Statement Date</source>
        <translation>Auszugsdatum</translation>
    </message>
    <message>
        <source>Statement Balance</source>
        <translation>Saldo laut Auszug</translation>
    </message>
    <message>
        <source>Reconciled Balance</source>
        <translation>Abgeglichener Saldo</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Abgeschlossen am</translation>
    </message>
    <message>
        <source>No reconciliations yet. Reconcile your account from the register to see the history here.</source>
        <translation>Noch keine Abgleiche. Gleichen Sie Ihr Konto im Register ab, um hier den Verlauf zu sehen.</translation>
    </message>
    <message>
        <source>Reconciliation History — %1</source>
        <translation>Abgleichsverlauf — %1</translation>
    </message>
</context>
<context>
    <name>ReconciliationModel</name>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Empfänger</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Clr</source>
        <translation>Best.</translation>
    </message>
</context>
<context>
    <name>ReconciliationScreen</name>
    <message>
        <source>Reconcile Account</source>
        <translation>Konto abgleichen</translation>
    </message>
    <message>
        <source>Statement Date:</source>
        <translation>Auszugsdatum:</translation>
    </message>
    <message>
        <source>Statement Balance:</source>
        <translation>Saldo laut Auszug:</translation>
    </message>
    <message>
        <source>Previous Balance</source>
        <translation>Vorheriger Saldo</translation>
    </message>
    <message>
        <source>Cleared Deposits</source>
        <translation>Bestätigte Einzahlungen</translation>
    </message>
    <message>
        <source>Cleared Withdrawals</source>
        <translation>Bestätigte Auszahlungen</translation>
    </message>
    <message>
        <source>Cleared Balance</source>
        <translation>Bestätigter Saldo</translation>
    </message>
    <message>
        <source>Statement Balance</source>
        <translation>Saldo laut Auszug</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Differenz</translation>
    </message>
    <message>
        <source>Finish Reconciliation</source>
        <translation>Abgleich abschließen</translation>
    </message>
    <message>
        <source>Finish when the difference is zero (%1)</source>
        <translation>Abschließen, wenn die Differenz null ist (%1)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Add Transaction</source>
        <translation>Buchung hinzufügen</translation>
    </message>
    <message>
        <source>Add a transaction (%1)</source>
        <translation>Eine Buchung hinzufügen (%1)</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Edit selected transaction (F2)</source>
        <translation>Ausgewählte Buchung bearbeiten (F2)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Delete selected transaction (Del)</source>
        <translation>Ausgewählte Buchung löschen (Entf)</translation>
    </message>
    <message>
        <source>Enter a valid date, such as %1</source>
        <translation>Geben Sie ein gültiges Datum ein, zum Beispiel %1</translation>
    </message>
    <message>
        <source>The ticked transactions must match the statement balance: the difference is %1.</source>
        <translation>Die angehakten Buchungen müssen dem Saldo laut Auszug entsprechen: Die Differenz beträgt %1.</translation>
    </message>
    <message>
        <source>Not Reconciled</source>
        <translation>Nicht abgeglichen</translation>
    </message>
    <message>
        <source>The account was not reconciled; nothing was changed.</source>
        <translation>Das Konto wurde nicht abgeglichen; es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>Reconciliation Complete</source>
        <translation>Abgleich abgeschlossen</translation>
    </message>
    <message>
        <source>Account reconciled successfully.</source>
        <translation>Das Konto wurde erfolgreich abgeglichen.</translation>
    </message>
    <message>
        <source>Not Saved</source>
        <translation>Nicht gespeichert</translation>
    </message>
    <message>
        <source>The transaction could not be saved.</source>
        <translation>Die Buchung konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Not Deleted</source>
        <translation>Nicht gelöscht</translation>
    </message>
    <message>
        <source>The transaction could not be deleted.</source>
        <translation>Die Buchung konnte nicht gelöscht werden.</translation>
    </message>
    <message>
        <source>Select a transaction in the list first.</source>
        <translation>Wählen Sie zuerst eine Buchung in der Liste aus.</translation>
    </message>
    <message>
        <source>too large</source>
        <translation>zu groß</translation>
    </message>
</context>
<context>
    <name>ReconciliationService</name>
    <message>
        <source>The account no longer exists.</source>
        <translation>Das Konto existiert nicht mehr.</translation>
    </message>
    <message>
        <source>The statement date is not a valid date.</source>
        <translation>Das Auszugsdatum ist kein gültiges Datum.</translation>
    </message>
    <message>
        <source>Transactions reconciled before were changed elsewhere, so the ticked ones no longer add up to the statement balance of %1.</source>
        <translation>Bereits abgeglichene Buchungen wurden an anderer Stelle geändert, daher ergeben die angehakten Buchungen nicht mehr den Saldo laut Auszug von %1.</translation>
    </message>
    <message>
        <source>The amount of &quot;%1&quot; was changed elsewhere from %2 to %3.</source>
        <translation>Der Betrag von „%1“ wurde an anderer Stelle von %2 auf %3 geändert.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was reconciled elsewhere meanwhile.</source>
        <translation>„%1“ wurde inzwischen an anderer Stelle abgeglichen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was deleted elsewhere after the reconciliation window read it.</source>
        <translation>„%1“ wurde an anderer Stelle gelöscht, nachdem das Abgleichsfenster die Buchung geladen hatte.</translation>
    </message>
</context>
<context>
    <name>RecurringFormDialog</name>
    <message>
        <source>Memorize Transaction</source>
        <translation>Buchung merken</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Art:</translation>
    </message>
    <message>
        <source>Payee:</source>
        <translation>Empfänger:</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Betrag:</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Täglich</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Wöchentlich</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Monatlich</translation>
    </message>
    <message>
        <source>Quarterly</source>
        <translation>Vierteljährlich</translation>
    </message>
    <message>
        <source>Frequency:</source>
        <translation>Häufigkeit:</translation>
    </message>
    <message>
        <source>Start Date:</source>
        <translation>Startdatum:</translation>
    </message>
    <message>
        <source>Auto-post when due</source>
        <translation>Bei Fälligkeit automatisch buchen</translation>
    </message>
    <message>
        <source>New Recurring Transaction</source>
        <translation>Neue wiederkehrende Buchung</translation>
    </message>
    <message>
        <source>Edit Recurring Transaction</source>
        <translation>Wiederkehrende Buchung bearbeiten</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Konto:</translation>
    </message>
    <message>
        <source>(deleted account)</source>
        <translation>(gelöschtes Konto)</translation>
    </message>
    <message>
        <source>Transfer to:</source>
        <translation>Umbuchung auf:</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Kategorie:</translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation>Notiz:</translation>
    </message>
    <message>
        <source>Bi-weekly</source>
        <translation>Alle 2 Wochen</translation>
    </message>
    <message>
        <source>Semi-annual</source>
        <translation>Halbjährlich</translation>
    </message>
    <message>
        <source>Annual</source>
        <translation>Jährlich</translation>
    </message>
    <message>
        <source>Has end date</source>
        <translation>Mit Enddatum</translation>
    </message>
    <message>
        <source>End Date:</source>
        <translation>Enddatum:</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Aktiv</translation>
    </message>
    <message>
        <source>(deleted category)</source>
        <translation>(gelöschte Kategorie)</translation>
    </message>
    <message>
        <source>Rounded to %1: amounts in %2 have no fractions.</source>
        <translation>Auf %1 gerundet: Beträge in %2 haben keine Nachkommastellen.</translation>
    </message>
    <message>
        <source>Next due on %1.</source>
        <translation>Nächste Fälligkeit am %1.</translation>
    </message>
    <message>
        <source>It ends before it is next due on %1, so it would never post: it is saved as inactive.</source>
        <translation>Die Buchung endet vor der nächsten Fälligkeit am %1 und würde daher nie gebucht; sie wird deshalb als inaktiv gespeichert.</translation>
    </message>
    <message>
        <source>Next due on %1; the transaction of %2 is already in the register.</source>
        <translation>Nächste Fälligkeit am %1; die Buchung vom %2 steht bereits im Register.</translation>
    </message>
    <message>
        <source>Enter a valid date, such as %1</source>
        <translation>Geben Sie ein gültiges Datum ein, zum Beispiel %1</translation>
    </message>
    <message>
        <source>Create an account first: a recurring transaction posts into one.</source>
        <translation>Legen Sie zuerst ein Konto an: Eine wiederkehrende Buchung wird immer in ein Konto gebucht.</translation>
    </message>
    <message>
        <source>Payee is required</source>
        <translation>Empfänger ist erforderlich</translation>
    </message>
    <message>
        <source>Enter a payment or deposit amount</source>
        <translation>Geben Sie einen Zahlungs- oder Einzahlungsbetrag ein</translation>
    </message>
    <message>
        <source>There is no category &quot;%1&quot;. Choose one from the list.</source>
        <translation>Es gibt keine Kategorie „%1“. Wählen Sie eine aus der Liste.</translation>
    </message>
    <message>
        <source>Enter a start date in 2000 or later.</source>
        <translation>Geben Sie ein Startdatum ab dem Jahr 2000 ein.</translation>
    </message>
    <message>
        <source>Transfer account not found</source>
        <translation>Konto für die Umbuchung nicht gefunden</translation>
    </message>
    <message>
        <source>Transfers require both accounts to use the same currency</source>
        <translation>Für Umbuchungen müssen beide Konten dieselbe Währung haben</translation>
    </message>
</context>
<context>
    <name>RecurringModel</name>
    <message>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Empfänger</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Häufigkeit</translation>
    </message>
    <message>
        <source>Next Due</source>
        <translation>Nächste Fälligkeit</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Aktiv</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation>Inaktiv</translation>
    </message>
</context>
<context>
    <name>RecurringScreen</name>
    <message>
        <source>Recurring Transactions</source>
        <translation>Wiederkehrende Buchungen</translation>
    </message>
    <message>
        <source>Confirm All Due</source>
        <translation>Alle fälligen buchen</translation>
    </message>
    <message>
        <source>New Recurring</source>
        <translation>Neue wiederkehrende Buchung</translation>
    </message>
    <message>
        <source>(%1 due)</source>
        <translation>(%1 fällig)</translation>
    </message>
    <message>
        <source>• %1: %2</source>
        <translation>• %1: %2</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Confirm</source>
        <translation>B&amp;uchen</translation>
    </message>
    <message>
        <source>&amp;Skip</source>
        <translation>&amp;Überspringen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Buchen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not posted.</source>
        <translation>„%1“ wurde nicht gebucht.</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Überspringen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not skipped.</source>
        <translation>„%1“ wurde nicht übersprungen.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Delete recurring &quot;%1&quot;?</source>
        <translation>Wiederkehrende Buchung „%1“ löschen?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be deleted.</source>
        <translation>„%1“ konnte nicht gelöscht werden.</translation>
    </message>
    <message numerus="yes">
        <source>%n recurring transaction(s) posted.</source>
        <translation>
            <numerusform>%n wiederkehrende Buchung gebucht.</numerusform>
            <numerusform>%n wiederkehrende Buchungen gebucht.</numerusform>
        </translation>
    </message>
    <message>
        <source>Not posted:</source>
        <translation>Nicht gebucht:</translation>
    </message>
    <message>
        <source>The recurring transaction could not be saved.</source>
        <translation>Die wiederkehrende Buchung konnte nicht gespeichert werden.</translation>
    </message>
</context>
<context>
    <name>RecurringService</name>
    <message>
        <source>This recurring transaction was deleted elsewhere.</source>
        <translation>Diese wiederkehrende Buchung wurde an anderer Stelle gelöscht.</translation>
    </message>
    <message>
        <source>This recurring transaction is inactive.</source>
        <translation>Diese wiederkehrende Buchung ist inaktiv.</translation>
    </message>
    <message>
        <source>Its next due date is not a valid date, so it was made inactive. Give it a new start date to use it again.</source>
        <translation>Das nächste Fälligkeitsdatum ist kein gültiges Datum, daher wurde die Buchung deaktiviert. Geben Sie ein neues Startdatum ein, um sie wieder zu verwenden.</translation>
    </message>
    <message>
        <source>The occurrence due on %1 is already in the register, so it was not posted again.</source>
        <translation>Die am %1 fällige Buchung steht bereits im Register und wurde daher nicht erneut gebucht.</translation>
    </message>
    <message>
        <source>A whole year of missed occurrences was posted at once, so it was made inactive. Check its dates before making it active again.</source>
        <translation>Ein ganzes Jahr verpasster Fälligkeiten wurde auf einmal gebucht, daher wurde die Buchung deaktiviert. Prüfen Sie die Termine, bevor Sie sie wieder aktivieren.</translation>
    </message>
    <message>
        <source>It ended on %1, before its next due date %2, so nothing was posted and it was made inactive.</source>
        <translation>Die Buchung endete am %1, vor der nächsten Fälligkeit am %2; daher wurde nichts gebucht und sie wurde deaktiviert.</translation>
    </message>
</context>
<context>
    <name>RegisterModel</name>
    <message>
        <source>Payee / Memo</source>
        <translation>Empfänger / Notiz</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Chk #</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Empfänger</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Zahlung</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Einzahlung</translation>
    </message>
    <message>
        <source>Clr</source>
        <translation>Best.</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Überlauf</translation>
    </message>
    <message>
        <source>The balance is too large to show.</source>
        <translation>Der Saldo ist zu groß für die Anzeige.</translation>
    </message>
</context>
<context>
    <name>RegisterScreen</name>
    <message>
        <source>Cannot memorize: source transaction has an invalid date</source>
        <translation>Merken nicht möglich: Die Ausgangsbuchung hat ein ungültiges Datum</translation>
    </message>
    <message>
        <source>&amp;Insert New</source>
        <translation>Neue &amp;einfügen</translation>
    </message>
    <message>
        <source>&amp;New Transaction...</source>
        <translation>&amp;Neue Buchung...</translation>
    </message>
    <message>
        <source>Mark &amp;Uncleared</source>
        <translation>Als &amp;unbestätigt markieren</translation>
    </message>
    <message>
        <source>Mark &amp;Cleared</source>
        <translation>Als &amp;bestätigt markieren</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Fields cleared</source>
        <translation>Felder geleert</translation>
    </message>
    <message>
        <source>Reconcile</source>
        <translation>Abgleichen</translation>
    </message>
    <message>
        <source>%1: save  |  Enter: next  |  %2: delete  |  %3: memorize  |  &apos;: copy above</source>
        <translation>%1: speichern  |  Enter: weiter  |  %2: löschen  |  %3: merken  |  &apos;: von oben übernehmen</translation>
    </message>
    <message>
        <source>Payee is required</source>
        <translation>Empfänger ist erforderlich</translation>
    </message>
    <message>
        <source>Enter a payment or deposit amount</source>
        <translation>Geben Sie einen Zahlungs- oder Einzahlungsbetrag ein</translation>
    </message>
    <message>
        <source>Enter a valid amount</source>
        <translation>Geben Sie einen gültigen Betrag ein</translation>
    </message>
    <message>
        <source>Transfer account not found</source>
        <translation>Konto für die Umbuchung nicht gefunden</translation>
    </message>
    <message>
        <source>Transfers require both accounts to use the same currency</source>
        <translation>Für Umbuchungen müssen beide Konten dieselbe Währung haben</translation>
    </message>
    <message>
        <source>The transaction could not be changed.</source>
        <translation>Die Buchung konnte nicht geändert werden.</translation>
    </message>
    <message>
        <source>The transaction could not be deleted.</source>
        <translation>Die Buchung konnte nicht gelöscht werden.</translation>
    </message>
    <message>
        <source>The transaction could not be saved.</source>
        <translation>Die Buchung konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Transaction Changed</source>
        <translation>Buchung geändert</translation>
    </message>
    <message>
        <source>%1

What you typed is still on screen.</source>
        <translation>%1

Ihre Eingabe ist weiterhin auf dem Bildschirm.</translation>
    </message>
    <message>
        <source>Keep Editing</source>
        <translation>Weiter bearbeiten</translation>
    </message>
    <message>
        <source>Show Saved Version</source>
        <translation>Gespeicherte Fassung zeigen</translation>
    </message>
    <message>
        <source>Save Mine Instead</source>
        <translation>Meine Fassung speichern</translation>
    </message>
    <message>
        <source>Not Saved</source>
        <translation>Nicht gespeichert</translation>
    </message>
    <message>
        <source>The opening balance is not a transaction: change it with Account › Edit.</source>
        <translation>Der Anfangssaldo ist keine Buchung: Ändern Sie ihn unter Konto › Bearbeiten.</translation>
    </message>
    <message>
        <source>Enter a valid date, such as %1</source>
        <translation>Geben Sie ein gültiges Datum ein, zum Beispiel %1</translation>
    </message>
    <message>
        <source>No category is named &quot;%1&quot;</source>
        <translation>Es gibt keine Kategorie namens „%1“</translation>
    </message>
    <message>
        <source>&quot;%1&quot; fits more than one category: choose one from the list</source>
        <translation>„%1“ passt zu mehr als einer Kategorie: Wählen Sie eine aus der Liste</translation>
    </message>
    <message>
        <source>The transaction you were changing was deleted by another program.</source>
        <translation>Die Buchung, die Sie geändert haben, wurde von einem anderen Programm gelöscht.</translation>
    </message>
    <message>
        <source>Unsaved Transaction</source>
        <translation>Nicht gespeicherte Buchung</translation>
    </message>
    <message>
        <source>The new transaction you typed is not saved yet.</source>
        <translation>Die neue Buchung, die Sie eingegeben haben, ist noch nicht gespeichert.</translation>
    </message>
    <message>
        <source>Your changes to this transaction are not saved yet.</source>
        <translation>Ihre Änderungen an dieser Buchung sind noch nicht gespeichert.</translation>
    </message>
    <message>
        <source>Save it, discard what you typed, or keep editing?</source>
        <translation>Speichern, Eingaben verwerfen oder weiter bearbeiten?</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Verwerfen</translation>
    </message>
</context>
<context>
    <name>ReportChart</name>
    <message>
        <source>No data for this period</source>
        <translation>Keine Daten für diesen Zeitraum</translation>
    </message>
    <message>
        <source>The chart is not shown, so there is no picture to save.</source>
        <translation>Das Diagramm wird nicht angezeigt, daher gibt es kein Bild zum Speichern.</translation>
    </message>
    <message>
        <source>The file %1 could not be opened for writing: %2</source>
        <translation>Die Datei %1 konnte nicht zum Schreiben geöffnet werden: %2</translation>
    </message>
    <message>
        <source>The picture could not be written to %1: %2</source>
        <translation>Das Bild konnte nicht in %1 geschrieben werden: %2</translation>
    </message>
    <message>
        <source>The file %1 could not be written: %2</source>
        <translation>Die Datei %1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Sonstiges</translation>
    </message>
    <message>
        <source>%1 %2: %3</source>
        <translation>%1 %2: %3</translation>
    </message>
    <message>
        <source>Period 1</source>
        <translation>Zeitraum 1</translation>
    </message>
    <message>
        <source>Period 2</source>
        <translation>Zeitraum 2</translation>
    </message>
    <message>
        <source>%1, %2: %3</source>
        <translation>%1, %2: %3</translation>
    </message>
    <message>
        <source>Net Worth (%1)</source>
        <translation>Nettovermögen (%1)</translation>
    </message>
</context>
<context>
    <name>ReportPeriods</name>
    <message>
        <source>This Year vs Last Year</source>
        <translation>Dieses Jahr gegenüber Vorjahr</translation>
    </message>
    <message>
        <source>Last Year vs Year Before</source>
        <translation>Vorjahr gegenüber dem Jahr davor</translation>
    </message>
    <message>
        <source>This Quarter vs Last Quarter</source>
        <translation>Dieses Quartal gegenüber Vorquartal</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Benutzerdefiniert</translation>
    </message>
</context>
<context>
    <name>ReportService</name>
    <message>
        <source>All Accounts (%1)</source>
        <translation>Alle Konten (%1)</translation>
    </message>
    <message>
        <source>All Accounts</source>
        <translation>Alle Konten</translation>
    </message>
    <message>
        <source>The file %1 could not be opened for writing: %2</source>
        <translation>Die Datei %1 konnte nicht zum Schreiben geöffnet werden: %2</translation>
    </message>
    <message>
        <source>The file %1 could not be written: %2</source>
        <translation>Die Datei %1 konnte nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>ReportTable</name>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>Einnahmen</translation>
    </message>
    <message>
        <source>Expenses</source>
        <translation>Ausgaben</translation>
    </message>
    <message>
        <source>Net</source>
        <translation>Netto</translation>
    </message>
    <message>
        <source>Inflows</source>
        <translation>Zuflüsse</translation>
    </message>
    <message>
        <source>Outflows</source>
        <translation>Abflüsse</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Summe</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Empfänger</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>Tax Code</source>
        <translation>Steuerschlüssel</translation>
    </message>
    <message>
        <source>too large</source>
        <translation>zu groß</translation>
    </message>
    <message>
        <source>Period 1</source>
        <translation>Zeitraum 1</translation>
    </message>
    <message>
        <source>Period 2</source>
        <translation>Zeitraum 2</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Differenz</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Bestätigt</translation>
    </message>
    <message>
        <source>Uncleared</source>
        <translation>Unbestätigt</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Checking</source>
        <translation>Girokonto</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>Sparkonto</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>Kreditkarte</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Bargeld</translation>
    </message>
    <message>
        <source>Investment</source>
        <translation>Anlage</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Sonstiges</translation>
    </message>
</context>
<context>
    <name>ReportsScreen</name>
    <message>
        <source>Reports</source>
        <translation>Berichte</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSV exportieren</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Konto:</translation>
    </message>
    <message>
        <source>Period:</source>
        <translation>Zeitraum:</translation>
    </message>
    <message>
        <source>Category Spending</source>
        <translation>Ausgaben nach Kategorie</translation>
    </message>
    <message>
        <source>Payee Summary</source>
        <translation>Übersicht nach Empfänger</translation>
    </message>
    <message>
        <source>Tax Report</source>
        <translation>Steuerbericht</translation>
    </message>
    <message>
        <source>Income vs Expenses</source>
        <translation>Einnahmen und Ausgaben</translation>
    </message>
    <message>
        <source>Cash Flow</source>
        <translation>Geldfluss</translation>
    </message>
    <message>
        <source>Year-over-Year</source>
        <translation>Vorjahresvergleich</translation>
    </message>
    <message>
        <source>Account Summary</source>
        <translation>Kontenübersicht</translation>
    </message>
    <message>
        <source>Transactions</source>
        <translation>Buchungen</translation>
    </message>
    <message>
        <source>Compare:</source>
        <translation>Vergleichen:</translation>
    </message>
    <message>
        <source>P1:</source>
        <translation>Z1:</translation>
    </message>
    <message>
        <source>P2:</source>
        <translation>Z2:</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Export Failed</source>
        <translation>Export fehlgeschlagen</translation>
    </message>
    <message>
        <source>The report was not exported.

%1</source>
        <translation>Der Bericht wurde nicht exportiert.

%1</translation>
    </message>
    <message>
        <source>Show Charts</source>
        <translation>Diagramme anzeigen</translation>
    </message>
    <message>
        <source>Export Chart</source>
        <translation>Diagramm exportieren</translation>
    </message>
    <message>
        <source>PNG Images (*.png)</source>
        <translation>PNG-Bilder (*.png)</translation>
    </message>
    <message>
        <source>The chart was not exported.

%1</source>
        <translation>Das Diagramm wurde nicht exportiert.

%1</translation>
    </message>
    <message>
        <source>This report has no chart.</source>
        <translation>Dieser Bericht hat kein Diagramm.</translation>
    </message>
</context>
<context>
    <name>RestoreResult</name>
    <message>
        <source>Import Complete</source>
        <translation>Import abgeschlossen</translation>
    </message>
    <message>
        <source>Import Failed</source>
        <translation>Import fehlgeschlagen</translation>
    </message>
    <message>
        <source>Imported %1 items, skipped %2.</source>
        <translation>%1 Einträge importiert, %2 übersprungen.</translation>
    </message>
    <message numerus="yes">
        <source>

%n error(s) occurred.</source>
        <translation>
            <numerusform>

Es ist %n Fehler aufgetreten.</numerusform>
            <numerusform>

Es sind %n Fehler aufgetreten.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SampleDataService</name>
    <message>
        <source>Main Checking</source>
        <translation>Hauptgirokonto</translation>
    </message>
    <message>
        <source>Riverbend Credit Union</source>
        <translation>Riverbend Credit Union</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>Sparkonto</translation>
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
        <translation>Die Beispieldaten sind bereits geladen.</translation>
    </message>
    <message>
        <source>No sample data to clear.</source>
        <translation>Es gibt keine Beispieldaten zum Entfernen.</translation>
    </message>
    <message numerus="yes">
        <source>The sample data was left in place: %n of your own entries (transactions, recurring transactions or reconciliations, including deleted ones) are in the sample accounts or transfer to them. Removing the sample accounts would take them along.</source>
        <translation>
            <numerusform>Die Beispieldaten wurden nicht entfernt: %n eigener Eintrag (Buchungen, wiederkehrende Buchungen oder Abgleiche, auch gelöschte) befindet sich in den Beispielkonten oder ist eine Umbuchung auf sie. Beim Entfernen der Beispielkonten würde er mit entfernt.</numerusform>
            <numerusform>Die Beispieldaten wurden nicht entfernt: %n eigene Einträge (Buchungen, wiederkehrende Buchungen oder Abgleiche, auch gelöschte) befinden sich in den Beispielkonten oder sind Umbuchungen auf sie. Beim Entfernen der Beispielkonten würden sie mit entfernt.</numerusform>
        </translation>
    </message>
    <message>
        <source>Brightpath Inc</source>
        <translation>Brightpath Inc</translation>
    </message>
    <message>
        <source>Biweekly paycheck</source>
        <translation>Gehalt (zweiwöchentlich)</translation>
    </message>
    <message>
        <source>Salary / Wages</source>
        <translation>Gehalt / Lohn</translation>
    </message>
    <message>
        <source>Pinecrest Apartments</source>
        <translation>Pinecrest Apartments</translation>
    </message>
    <message>
        <source>February rent</source>
        <translation>Miete Februar</translation>
    </message>
    <message>
        <source>Housing</source>
        <translation>Wohnen</translation>
    </message>
    <message>
        <source>Rent/Mortgage Payment</source>
        <translation>Miete/Hypothekenrate</translation>
    </message>
    <message>
        <source>Greenleaf Market</source>
        <translation>Greenleaf Market</translation>
    </message>
    <message>
        <source>Weekly groceries</source>
        <translation>Wocheneinkauf</translation>
    </message>
    <message>
        <source>Groceries</source>
        <translation>Lebensmittel</translation>
    </message>
    <message>
        <source>Hilltop Gas</source>
        <translation>Hilltop Gas</translation>
    </message>
    <message>
        <source>Fill up</source>
        <translation>Volltanken</translation>
    </message>
    <message>
        <source>Transportation</source>
        <translation>Verkehr</translation>
    </message>
    <message>
        <source>Gas/Fuel</source>
        <translation>Benzin/Kraftstoff</translation>
    </message>
    <message>
        <source>Lakeside Utilities</source>
        <translation>Lakeside Utilities</translation>
    </message>
    <message>
        <source>Electric bill</source>
        <translation>Stromrechnung</translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation>Nebenkosten</translation>
    </message>
    <message>
        <source>Electric</source>
        <translation>Strom</translation>
    </message>
    <message>
        <source>Water bill</source>
        <translation>Wasserrechnung</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Wasser</translation>
    </message>
    <message>
        <source>Streamline TV</source>
        <translation>Streamline TV</translation>
    </message>
    <message>
        <source>Monthly streaming</source>
        <translation>Streaming (monatlich)</translation>
    </message>
    <message>
        <source>Entertainment</source>
        <translation>Unterhaltung</translation>
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
        <translation>Abendessen auswärts</translation>
    </message>
    <message>
        <source>Dining &amp; Restaurants</source>
        <translation>Essen &amp; Restaurants</translation>
    </message>
    <message>
        <source>Clearview Insurance</source>
        <translation>Clearview Insurance</translation>
    </message>
    <message>
        <source>Auto insurance</source>
        <translation>Kfz-Versicherung</translation>
    </message>
    <message>
        <source>Insurance</source>
        <translation>Versicherungen</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Kfz</translation>
    </message>
    <message>
        <source>Hope Community Church</source>
        <translation>Hope Community Church</translation>
    </message>
    <message>
        <source>Monthly donation</source>
        <translation>Monatliche Spende</translation>
    </message>
    <message>
        <source>Charitable Donations</source>
        <translation>Spenden</translation>
    </message>
    <message>
        <source>Transfer to Savings</source>
        <translation>Transfer to Savings</translation>
    </message>
    <message>
        <source>Monthly savings</source>
        <translation>Monatliches Sparen</translation>
    </message>
    <message>
        <source>March rent</source>
        <translation>Miete März</translation>
    </message>
    <message>
        <source>NetConnect ISP</source>
        <translation>NetConnect ISP</translation>
    </message>
    <message>
        <source>Internet service</source>
        <translation>Internetanschluss</translation>
    </message>
    <message>
        <source>Internet</source>
        <translation>Internet</translation>
    </message>
    <message>
        <source>Lunch</source>
        <translation>Mittagessen</translation>
    </message>
    <message>
        <source>Ridgeline Pharmacy</source>
        <translation>Ridgeline Pharmacy</translation>
    </message>
    <message>
        <source>Prescriptions</source>
        <translation>Rezepte</translation>
    </message>
    <message>
        <source>Medical Expenses</source>
        <translation>Krankheitskosten</translation>
    </message>
    <message>
        <source>Coffee &amp; pastry</source>
        <translation>Kaffee &amp; Gebäck</translation>
    </message>
    <message>
        <source>Interest payment</source>
        <translation>Zinsgutschrift</translation>
    </message>
    <message>
        <source>Interest Income</source>
        <translation>Zinserträge</translation>
    </message>
    <message>
        <source>Dash Delivery</source>
        <translation>Dash Delivery</translation>
    </message>
    <message>
        <source>Food delivery</source>
        <translation>Essenslieferung</translation>
    </message>
    <message>
        <source>Gadget World</source>
        <translation>Gadget World</translation>
    </message>
    <message>
        <source>Phone case</source>
        <translation>Handyhülle</translation>
    </message>
    <message>
        <source>Shopping</source>
        <translation>Einkäufe</translation>
    </message>
    <message>
        <source>Electronics</source>
        <translation>Elektronik</translation>
    </message>
    <message>
        <source>CloudWatch Plus</source>
        <translation>CloudWatch Plus</translation>
    </message>
    <message>
        <source>Cloud storage plan</source>
        <translation>Cloud-Speicher-Tarif</translation>
    </message>
    <message>
        <source>Subscriptions</source>
        <translation>Abonnements</translation>
    </message>
    <message>
        <source>Payment - Thank You</source>
        <translation>Payment - Thank You</translation>
    </message>
    <message>
        <source>Credit card payment</source>
        <translation>Kreditkartenzahlung</translation>
    </message>
    <message>
        <source>Stellar Coffee</source>
        <translation>Stellar Coffee</translation>
    </message>
    <message>
        <source>Coffee beans</source>
        <translation>Kaffeebohnen</translation>
    </message>
    <message>
        <source>BookNest Online</source>
        <translation>BookNest Online</translation>
    </message>
    <message>
        <source>Programming books</source>
        <translation>Programmierbücher</translation>
    </message>
    <message>
        <source>Education Expenses</source>
        <translation>Bildungsausgaben</translation>
    </message>
    <message>
        <source>TechVault</source>
        <translation>TechVault</translation>
    </message>
    <message>
        <source>USB hub</source>
        <translation>USB-Hub</translation>
    </message>
    <message>
        <source>Monthly rent</source>
        <translation>Monatsmiete</translation>
    </message>
</context>
<context>
    <name>SearchExport</name>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Empfänger</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
</context>
<context>
    <name>SearchScreen</name>
    <message>
        <source>The transactions could not be read.</source>
        <translation>Die Buchungen konnten nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Search payee, memo, check number...</source>
        <translation>Empfänger, Notiz, Schecknummer suchen...</translation>
    </message>
    <message>
        <source>Date range:</source>
        <translation>Datumsbereich:</translation>
    </message>
    <message>
        <source>Cleared only</source>
        <translation>Nur bestätigte</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Konto:</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Kategorie:</translation>
    </message>
    <message>
        <source>to</source>
        <translation>bis</translation>
    </message>
    <message>
        <source>All Accounts</source>
        <translation>Alle Konten</translation>
    </message>
    <message>
        <source>All Categories</source>
        <translation>Alle Kategorien</translation>
    </message>
</context>
<context>
    <name>SettingsScreen</name>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Register</translation>
    </message>
    <message>
        <source>Data &amp; Sync</source>
        <translation>Daten &amp; Synchronisierung</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message numerus="yes">
        <source>…and %n more.</source>
        <translation>
            <numerusform>…und %n weitere Meldung.</numerusform>
            <numerusform>…und %n weitere Meldungen.</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing was restored; your data is as it was.</source>
        <translation>Es wurde nichts wiederhergestellt; Ihre Daten sind unverändert.</translation>
    </message>
    <message>
        <source>Language Changed</source>
        <translation>Sprache geändert</translation>
    </message>
    <message>
        <source>The new language will take effect the next time you start Kestrelwood Checkbook.</source>
        <translation>Die neue Sprache gilt ab dem nächsten Start von Kestrelwood Checkbook.</translation>
    </message>
    <message>
        <source>Export Backup</source>
        <translation>Sicherung exportieren</translation>
    </message>
    <message>
        <source>ZIP Files (*.zip)</source>
        <translation>ZIP-Dateien (*.zip)</translation>
    </message>
    <message>
        <source>Exporting...</source>
        <translation>Wird exportiert...</translation>
    </message>
    <message>
        <source>Import Backup</source>
        <translation>Sicherung importieren</translation>
    </message>
    <message>
        <source>Import Mode</source>
        <translation>Importmodus</translation>
    </message>
    <message>
        <source>How should existing data be handled?</source>
        <translation>Wie sollen vorhandene Daten behandelt werden?</translation>
    </message>
    <message>
        <source>Importing...</source>
        <translation>Wird importiert...</translation>
    </message>
    <message>
        <source>Restore Failed</source>
        <translation>Wiederherstellung fehlgeschlagen</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Darstellung</translation>
    </message>
    <message>
        <source>Control how Kestrelwood Checkbook looks.</source>
        <translation>Legen Sie fest, wie Kestrelwood Checkbook aussieht.</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>Systemstandard</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Hell</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Dunkel</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Design</translation>
    </message>
    <message>
        <source>Regional</source>
        <translation>Region</translation>
    </message>
    <message>
        <source>Date and calendar preferences.</source>
        <translation>Einstellungen für Datum und Kalender.</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Sonntag</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Montag</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Samstag</translation>
    </message>
    <message>
        <source>Week starts on</source>
        <translation>Woche beginnt am</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Anzeige</translation>
    </message>
    <message>
        <source>How transactions appear in the register.</source>
        <translation>Wie Buchungen im Register erscheinen.</translation>
    </message>
    <message>
        <source>Two-line rows</source>
        <translation>Zweizeilige Zeilen</translation>
    </message>
    <message>
        <source>Show memo on a second line below the payee.</source>
        <translation>Zeigt die Notiz in einer zweiten Zeile unter dem Empfänger.</translation>
    </message>
    <message>
        <source>Sorting</source>
        <translation>Sortierung</translation>
    </message>
    <message>
        <source>Control the order of transactions in the register.</source>
        <translation>Legen Sie die Reihenfolge der Buchungen im Register fest.</translation>
    </message>
    <message>
        <source>Show newest transactions first</source>
        <translation>Neueste Buchungen zuerst anzeigen</translation>
    </message>
    <message>
        <source>When enabled, the most recent transactions appear at the top.</source>
        <translation>Wenn aktiviert, stehen die neuesten Buchungen oben.</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>The setting could not be saved. It applies until the program closes, and the data file may be full or read-only.</source>
        <translation>Die Einstellung konnte nicht gespeichert werden. Sie gilt bis zum Beenden des Programms; der Datenträger ist vielleicht voll oder die Datendatei schreibgeschützt.</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Synchronisierung</translation>
    </message>
    <message>
        <source>Keep your checkbook in sync across all your devices.</source>
        <translation>Halten Sie Ihr Kassenbuch auf allen Geräten synchron.</translation>
    </message>
    <message>
        <source>Sync Now</source>
        <translation>Jetzt synchronisieren</translation>
    </message>
    <message>
        <source>Force Full Sync</source>
        <translation>Vollständige Synchronisierung erzwingen</translation>
    </message>
    <message>
        <source>Backup &amp; Restore</source>
        <translation>Sicherung &amp; Wiederherstellung</translation>
    </message>
    <message>
        <source>Save or restore your data to a portable backup file.</source>
        <translation>Speichern Sie Ihre Daten in einer portablen Sicherungsdatei oder stellen Sie sie daraus wieder her.</translation>
    </message>
    <message>
        <source>Deleted Accounts</source>
        <translation>Gelöschte Konten</translation>
    </message>
    <message>
        <source>Accounts you&apos;ve deleted can be restored here.</source>
        <translation>Hier können Sie gelöschte Konten wiederherstellen.</translation>
    </message>
    <message>
        <source>Restore Selected</source>
        <translation>Auswahl wiederherstellen</translation>
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
        <translation>Hilfe und Benutzerhandbuch</translation>
    </message>
    <message>
        <source>Privacy policy</source>
        <translation>Datenschutzerklärung</translation>
    </message>
    <message>
        <source>Not signed in.
Sign in via File › Sign In to enable sync.</source>
        <translation>Nicht angemeldet.
Melden Sie sich über Datei › Anmelden an, um die Synchronisierung zu aktivieren.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Signed in as:&lt;/b&gt; %1&lt;br&gt;&lt;b&gt;Status:&lt;/b&gt; &lt;span style=&quot;color:%2&quot;&gt;%3&lt;/span&gt;</source>
        <translation>&lt;b&gt;Angemeldet als:&lt;/b&gt; %1&lt;br&gt;&lt;b&gt;Status:&lt;/b&gt; &lt;span style=&quot;color:%2&quot;&gt;%3&lt;/span&gt;</translation>
    </message>
    <message>
        <source>Sync paused</source>
        <translation>Synchronisierung angehalten</translation>
    </message>
    <message>
        <source>Never synced</source>
        <translation>Noch nie synchronisiert</translation>
    </message>
    <message>
        <source>Last synced: %1</source>
        <translation>Zuletzt synchronisiert: %1</translation>
    </message>
    <message>
        <source>
Error: %1</source>
        <translation>
Fehler: %1</translation>
    </message>
    <message>
        <source>This will re-upload every local row to the server and re-download all server data. Use this if data appears out of sync between devices.

Continue?</source>
        <translation>Damit werden alle lokalen Zeilen erneut auf den Server hochgeladen und alle Serverdaten erneut heruntergeladen. Verwenden Sie dies, wenn die Daten zwischen Geräten nicht übereinzustimmen scheinen.

Fortfahren?</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>Wird synchronisiert...</translation>
    </message>
</context>
<context>
    <name>SmartAmountField</name>
    <message>
        <source>Amounts can be at most %1.</source>
        <translation>Beträge dürfen höchstens %1 sein.</translation>
    </message>
</context>
<context>
    <name>SmartDateEdit</name>
    <message>
        <source>Open calendar (F4)</source>
        <translation>Kalender öffnen (F4)</translation>
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
            <numerusform>%n Konto</numerusform>
            <numerusform>%n Konten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>  •  %n recurring due</source>
        <translation>
            <numerusform>  •  %n wiederkehrende Buchung fällig</numerusform>
            <numerusform>  •  %n wiederkehrende Buchungen fällig</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SyncEngine</name>
    <message>
        <source>Synced</source>
        <translation>Synchronisiert</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>Wird synchronisiert...</translation>
    </message>
    <message>
        <source>Sync error</source>
        <translation>Synchronisierungsfehler</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>Offline</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>Push failed (HTTP %1)</source>
        <translation>Hochladen fehlgeschlagen (HTTP %1)</translation>
    </message>
    <message>
        <source>Pull failed (HTTP %1)</source>
        <translation>Herunterladen fehlgeschlagen (HTTP %1)</translation>
    </message>
    <message>
        <source>The downloaded changes could not be stored; they are downloaded again at the next sync.</source>
        <translation>Die heruntergeladenen Änderungen konnten nicht gespeichert werden; sie werden bei der nächsten Synchronisierung erneut heruntergeladen.</translation>
    </message>
    <message>
        <source>The uploaded changes could not be marked as sent; they are sent again at the next sync.</source>
        <translation>Die hochgeladenen Änderungen konnten nicht als gesendet markiert werden; sie werden bei der nächsten Synchronisierung erneut gesendet.</translation>
    </message>
</context>
<context>
    <name>TransactionFormDialog</name>
    <message>
        <source>Edit Transaction</source>
        <translation>Buchung bearbeiten</translation>
    </message>
    <message>
        <source>New Transaction</source>
        <translation>Neue Buchung</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Art:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Datum:</translation>
    </message>
    <message>
        <source>Payee:</source>
        <translation>Empfänger:</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Betrag:</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Kategorie:</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>Optional</translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation>Notiz:</translation>
    </message>
    <message>
        <source>Check #:</source>
        <translation>Schecknummer:</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Bestätigt</translation>
    </message>
    <message>
        <source>Payee is required</source>
        <translation>Empfänger ist erforderlich</translation>
    </message>
    <message>
        <source>Enter a payment or deposit amount</source>
        <translation>Geben Sie einen Zahlungs- oder Einzahlungsbetrag ein</translation>
    </message>
    <message>
        <source>Enter a valid date, such as %1</source>
        <translation>Geben Sie ein gültiges Datum ein, zum Beispiel %1</translation>
    </message>
</context>
<context>
    <name>TransactionService</name>
    <message>
        <source>The account no longer exists.</source>
        <translation>Das Konto existiert nicht mehr.</translation>
    </message>
    <message>
        <source>This transaction was changed elsewhere after you started editing it.</source>
        <translation>Diese Buchung wurde an anderer Stelle geändert, nachdem Sie mit der Bearbeitung begonnen hatten.</translation>
    </message>
    <message>
        <source>This transaction was deleted elsewhere after you started editing it.</source>
        <translation>Diese Buchung wurde an anderer Stelle gelöscht, nachdem Sie mit der Bearbeitung begonnen hatten.</translation>
    </message>
    <message>
        <source>Transfer to %1</source>
        <translation>Transfer to %1</translation>
    </message>
    <message>
        <source>This transaction was deleted elsewhere.</source>
        <translation>Diese Buchung wurde an anderer Stelle gelöscht.</translation>
    </message>
    <message>
        <source>Transfer account not found</source>
        <translation>Konto für die Umbuchung nicht gefunden</translation>
    </message>
    <message>
        <source>Transfers require both accounts to use the same currency</source>
        <translation>Für Umbuchungen müssen beide Konten dieselbe Währung haben</translation>
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
        <translation>Abmelden</translation>
    </message>
    <message>
        <source>Already have an account? Sign In</source>
        <translation>Sie haben schon ein Konto? Anmelden</translation>
    </message>
    <message>
        <source>Multi-Device Sync</source>
        <translation>Geräteübergreifende Synchronisierung</translation>
    </message>
    <message>
        <source>Keep your checkbook in sync between your phone, tablet, and computer.</source>
        <translation>Halten Sie Ihr Scheckbuch auf Telefon, Tablet und Computer synchron.</translation>
    </message>
    <message>
        <source>Family Sharing</source>
        <translation>Familienfreigabe</translation>
    </message>
    <message>
        <source>Share accounts with family members. Everyone sees the same register in real time.</source>
        <translation>Teilen Sie Konten mit Familienmitgliedern. Alle sehen dasselbe Register in Echtzeit.</translation>
    </message>
    <message>
        <source>Secure &amp; Private</source>
        <translation>Sicher und privat</translation>
    </message>
    <message>
        <source>Your data is encrypted in transit and at rest. We never sell your data or show ads.</source>
        <translation>Ihre Daten werden bei der Übertragung und im Ruhezustand verschlüsselt. Wir verkaufen Ihre Daten nie und zeigen keine Werbung.</translation>
    </message>
    <message>
        <source>Kestrelwood Checkbook</source>
        <translation>Kestrelwood Checkbook</translation>
    </message>
    <message>
        <source>Your finances, everywhere.</source>
        <translation>Ihre Finanzen, überall.</translation>
    </message>
    <message>
        <source>Opens in your web browser</source>
        <translation>Öffnet sich in Ihrem Webbrowser</translation>
    </message>
    <message>
        <source>Continue Without an Account</source>
        <translation>Ohne Konto fortfahren</translation>
    </message>
</context>
</TS>
