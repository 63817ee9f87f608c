<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AboutText</name>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>A digital checkbook register for tracking household finances.</source>
        <translation>Un registre de chéquier numérique pour suivre les finances du foyer.</translation>
    </message>
    <message>
        <source>This program uses the Qt framework under the GNU Lesser General Public License, version 3. The source code of Qt is available at %1.</source>
        <translation>Ce programme utilise le framework Qt sous la GNU Lesser General Public License, version 3. Le code source de Qt est disponible sur %1.</translation>
    </message>
</context>
<context>
    <name>AccountFormDialog</name>
    <message>
        <source>Edit Account</source>
        <translation>Modifier le compte</translation>
    </message>
    <message>
        <source>New Account</source>
        <translation>Nouveau compte</translation>
    </message>
    <message>
        <source>Account name</source>
        <translation>Nom du compte</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nom :</translation>
    </message>
    <message>
        <source>Checking</source>
        <translation>Compte courant</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>Épargne</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>Carte de crédit</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Espèces</translation>
    </message>
    <message>
        <source>Investment</source>
        <translation>Investissement</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Autre</translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation>&amp;Type :</translation>
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
        <translation>&amp;Devise :</translation>
    </message>
    <message>
        <source>Starting &amp;Balance:</source>
        <translation>Solde &amp;initial :</translation>
    </message>
    <message>
        <source>&amp;As of:</source>
        <translation>&amp;En date du :</translation>
    </message>
    <message>
        <source>Bank name (optional)</source>
        <translation>Nom de la banque (facultatif)</translation>
    </message>
    <message>
        <source>&amp;Institution:</source>
        <translation>Éta&amp;blissement :</translation>
    </message>
    <message>
        <source>Last 4 digits (optional)</source>
        <translation>4 derniers chiffres (facultatif)</translation>
    </message>
    <message>
        <source>Account &amp;Number:</source>
        <translation>N° de &amp;compte :</translation>
    </message>
</context>
<context>
    <name>AccountService</name>
    <message>
        <source>An account needs a name.</source>
        <translation>Un compte doit avoir un nom.</translation>
    </message>
    <message>
        <source>The currency can&apos;t be changed between yen and another currency while the account holds amounts: yen have no cents, so every amount would become a hundred times larger or smaller.</source>
        <translation>La devise ne peut pas passer du yen à une autre devise, ni l’inverse, tant que le compte contient des montants : le yen n’a pas de centimes, chaque montant deviendrait donc cent fois plus grand ou plus petit.</translation>
    </message>
    <message>
        <source>Another account is already named &quot;%1&quot;. Please choose another name.</source>
        <translation>Un autre compte s’appelle déjà « %1 ». Veuillez choisir un autre nom.</translation>
    </message>
    <message>
        <source>This account is no longer among the deleted accounts.</source>
        <translation>Ce compte ne figure plus parmi les comptes supprimés.</translation>
    </message>
    <message>
        <source>Another account is now named &quot;%1&quot;. Rename that account first, then restore this one.</source>
        <translation>Un autre compte s’appelle maintenant « %1 ». Renommez d’abord ce compte, puis restaurez celui-ci.</translation>
    </message>
</context>
<context>
    <name>AccountSharingService</name>
    <message>
        <source>Failed to share account (HTTP %1)</source>
        <translation>Impossible de partager le compte (HTTP %1)</translation>
    </message>
</context>
<context>
    <name>AccountSidebar</name>
    <message>
        <source>Checking</source>
        <translation>Compte courant</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>Épargne</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>Carte de crédit</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Espèces</translation>
    </message>
    <message>
        <source>Investment</source>
        <translation>Investissement</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Autre</translation>
    </message>
    <message>
        <source>Unavailable</source>
        <translation>Indisponible</translation>
    </message>
    <message>
        <source>The balance could not be read from the database.</source>
        <translation>Impossible de lire le solde dans la base de données.</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Dépassement</translation>
    </message>
    <message>
        <source>The balance is too large to show.</source>
        <translation>Le solde est trop grand pour être affiché.</translation>
    </message>
    <message>
        <source>No accounts</source>
        <translation>Aucun compte</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <translation>Total : %1</translation>
    </message>
    <message>
        <source>New Account...</source>
        <translation>Nouveau compte...</translation>
    </message>
    <message>
        <source>Edit &quot;%1&quot;...</source>
        <translation>Modifier « %1 »...</translation>
    </message>
    <message>
        <source>Reconcile...</source>
        <translation>Rapprocher...</translation>
    </message>
    <message>
        <source>Reconciliation History...</source>
        <translation>Historique des rapprochements...</translation>
    </message>
    <message>
        <source>Rename Payees...</source>
        <translation>Renommer les bénéficiaires...</translation>
    </message>
    <message>
        <source>Share...</source>
        <translation>Partager...</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;</source>
        <translation>Supprimer « %1 »</translation>
    </message>
    <message>
        <source>The account order could not be saved</source>
        <translation>Impossible d’enregistrer l’ordre des comptes</translation>
    </message>
</context>
<context>
    <name>AnotherUserDialog</name>
    <message>
        <source>Different Account</source>
        <translation>Autre compte</translation>
    </message>
    <message>
        <source>The books on this device were last synced with a different Kestrelwood account.</source>
        <translation>Les données de cet appareil ont été synchronisées pour la dernière fois avec un autre compte Kestrelwood.</translation>
    </message>
    <message>
        <source>Add this device&apos;s accounts and transactions to the account you just signed in with, or sign out. Nothing on this device is deleted either way; until you choose, nothing is synced.</source>
        <translation>Ajoutez les comptes et les opérations de cet appareil au compte avec lequel vous venez de vous connecter, ou déconnectez-vous. Rien n&apos;est supprimé de cet appareil dans un cas comme dans l&apos;autre ; tant que vous n&apos;avez pas choisi, rien n&apos;est synchronisé.</translation>
    </message>
    <message>
        <source>Add to This Account</source>
        <translation>Ajouter à ce compte</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>Se déconnecter</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Database Error</source>
        <translation>Erreur de base de données</translation>
    </message>
    <message>
        <source>Failed to initialize the database.

Data directory: %1

%2</source>
        <translation>Impossible d’initialiser la base de données.

Dossier des données : %1

%2</translation>
    </message>
    <message>
        <source>The data file is damaged. It was left as it is; nothing more was written to it.</source>
        <translation>Le fichier de données est endommagé. Il a été laissé tel quel ; rien de plus n’y a été écrit.</translation>
    </message>
    <message>
        <source>The data file was made by a newer version of Kestrelwood Checkbook. Please use that version to open it.</source>
        <translation>Le fichier de données a été créé par une version plus récente de Kestrelwood Checkbook. Veuillez l’ouvrir avec cette version.</translation>
    </message>
    <message>
        <source>The data file was not made by Kestrelwood Checkbook. It was left as it is.</source>
        <translation>Le fichier de données n’a pas été créé par Kestrelwood Checkbook. Il a été laissé tel quel.</translation>
    </message>
    <message>
        <source>The data file does not record which version of Kestrelwood Checkbook made it, so it cannot be upgraded safely. It was left as it is.</source>
        <translation>Le fichier de données n’indique pas quelle version de Kestrelwood Checkbook l’a créé ; il ne peut donc pas être mis à niveau sans risque. Il a été laissé tel quel.</translation>
    </message>
    <message>
        <source>The data file is in use by another program. Please close that program and try again.</source>
        <translation>Le fichier de données est utilisé par un autre programme. Veuillez fermer ce programme et réessayer.</translation>
    </message>
    <message>
        <source>The disk is full. Please free some space and try again.</source>
        <translation>Le disque est plein. Veuillez libérer de l’espace et réessayer.</translation>
    </message>
    <message>
        <source>Please check file permissions and try again.</source>
        <translation>Veuillez vérifier les autorisations des fichiers et réessayer.</translation>
    </message>
    <message>
        <source>The data file was made by an older version of Kestrelwood Checkbook. Open the program once to bring it up to date, then try again.</source>
        <translation>Le fichier de données a été créé par une version antérieure de Kestrelwood Checkbook. Ouvrez le programme une fois pour le mettre à jour, puis réessayez.</translation>
    </message>
</context>
<context>
    <name>BackupArchiveReader</name>
    <message>
        <source>Failed to open ZIP archive</source>
        <translation>Impossible d’ouvrir l’archive ZIP</translation>
    </message>
    <message numerus="yes">
        <source>The archive would unpack to more than %n GB.</source>
        <translation>
            <numerusform>L’archive occuperait plus de %n Go une fois décompressée.</numerusform>
            <numerusform>L’archive occuperait plus de %n Go une fois décompressée.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: unsafe entry name</source>
        <translation>%1 : nom d’entrée dangereux</translation>
    </message>
    <message>
        <source>%1: encrypted or compressed in an unknown way</source>
        <translation>%1 : chiffré ou compressé d’une manière inconnue</translation>
    </message>
    <message>
        <source>%1: larger than any row file</source>
        <translation>%1 : plus volumineux que tout fichier de lignes</translation>
    </message>
    <message>
        <source>%1: compressed beyond any row file (a zip bomb)</source>
        <translation>%1 : plus compressé que tout fichier de lignes (une bombe ZIP)</translation>
    </message>
    <message>
        <source>%1: unreadable</source>
        <translation>%1 : illisible</translation>
    </message>
    <message>
        <source>%1: damaged</source>
        <translation>%1 : endommagé</translation>
    </message>
    <message>
        <source>%1: does not unpack to the size the archive states</source>
        <translation>%1 : ne se décompresse pas à la taille indiquée par l’archive</translation>
    </message>
</context>
<context>
    <name>BackupService</name>
    <message>
        <source>Replace all with backup data</source>
        <translation>Tout remplacer par les données de la sauvegarde</translation>
    </message>
    <message>
        <source>Keep newer (compare timestamps)</source>
        <translation>Garder les plus récents (comparer les horodatages)</translation>
    </message>
    <message>
        <source>Skip existing items</source>
        <translation>Ignorer les éléments existants</translation>
    </message>
    <message>
        <source>The data file could not be read.</source>
        <translation>Impossible de lire le fichier de données.</translation>
    </message>
    <message>
        <source>The archive could not be written. %1</source>
        <translation>Impossible d’écrire l’archive. %1</translation>
    </message>
    <message>
        <source>The export was cancelled.</source>
        <translation>L’exportation a été annulée.</translation>
    </message>
    <message>
        <source>The table %1 could not be read. %2</source>
        <translation>Impossible de lire la table %1. %2</translation>
    </message>
    <message>
        <source>Could not read file.</source>
        <translation>Impossible de lire le fichier.</translation>
    </message>
    <message>
        <source>The restored rows could not be saved. %1</source>
        <translation>Impossible d’enregistrer les lignes restaurées. %1</translation>
    </message>
    <message>
        <source>Invalid backup: missing manifest.json</source>
        <translation>Sauvegarde non valide : manifest.json manquant</translation>
    </message>
    <message>
        <source>%1: invalid JSON</source>
        <translation>%1 : JSON non valide</translation>
    </message>
    <message>
        <source>Unsupported backup version: %1</source>
        <translation>Version de sauvegarde non prise en charge : %1</translation>
    </message>
    <message>
        <source>%1: not part of a backup</source>
        <translation>%1 : ne fait pas partie d’une sauvegarde</translation>
    </message>
    <message>
        <source>The table %1 could not be read.</source>
        <translation>Impossible de lire la table %1.</translation>
    </message>
    <message>
        <source>The restore was cancelled; nothing was changed.</source>
        <translation>La restauration a été annulée ; rien n’a été modifié.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is no column of %3</source>
        <translation>%1 : « %2 » n’est pas une colonne de %3</translation>
    </message>
    <message>
        <source>%1: the value of &quot;%2&quot; cannot be stored</source>
        <translation>%1 : la valeur de « %2 » ne peut pas être enregistrée</translation>
    </message>
    <message>
        <source>%1: the row has no id</source>
        <translation>%1 : la ligne n’a pas d’identifiant</translation>
    </message>
    <message>
        <source>%1: the row could not be written: %2</source>
        <translation>%1 : impossible d’écrire la ligne : %2</translation>
    </message>
    <message>
        <source>The restored rows could not be checked.</source>
        <translation>Impossible de vérifier les lignes restaurées.</translation>
    </message>
    <message>
        <source>%1: refers to a row that is neither in the backup nor in the register</source>
        <translation>%1 : fait référence à une ligne qui n’est ni dans la sauvegarde ni dans le registre</translation>
    </message>
</context>
<context>
    <name>BlockingProgressDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>CategoriesScreen</name>
    <message>
        <source>New Category</source>
        <translation>Nouvelle catégorie</translation>
    </message>
    <message>
        <source>Edit Category</source>
        <translation>Modifier la catégorie</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;? Transactions using this category will become uncategorized.</source>
        <translation>Supprimer « %1 » ? Les opérations de cette catégorie n’auront plus de catégorie.</translation>
    </message>
    <message>
        <source>Delete Category</source>
        <translation>Supprimer la catégorie</translation>
    </message>
    <message>
        <source>The category could not be deleted.

%1</source>
        <translation>Impossible de supprimer la catégorie.

%1</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Catégories</translation>
    </message>
    <message>
        <source>+ New Category</source>
        <translation>+ Nouvelle catégorie</translation>
    </message>
    <message>
        <source>&amp;New Category</source>
        <translation>&amp;Nouvelle catégorie</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifier</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
</context>
<context>
    <name>CategoryNameDialog</name>
    <message>
        <source>Category name:</source>
        <translation>Nom de la catégorie :</translation>
    </message>
    <message>
        <source>The category could not be saved.

%1</source>
        <translation>Impossible d’enregistrer la catégorie.

%1</translation>
    </message>
</context>
<context>
    <name>CategoryService</name>
    <message>
        <source>Charitable Donations</source>
        <translation>Dons caritatifs</translation>
    </message>
    <message>
        <source>Medical Expenses</source>
        <translation>Frais médicaux</translation>
    </message>
    <message>
        <source>Business Expenses</source>
        <translation>Frais professionnels</translation>
    </message>
    <message>
        <source>Home Office</source>
        <translation>Bureau à domicile</translation>
    </message>
    <message>
        <source>Education Expenses</source>
        <translation>Frais de scolarité</translation>
    </message>
    <message>
        <source>State &amp; Local Taxes</source>
        <translation>Impôts locaux et régionaux</translation>
    </message>
    <message>
        <source>Mortgage Interest</source>
        <translation>Intérêts hypothécaires</translation>
    </message>
    <message>
        <source>Property Tax</source>
        <translation>Taxe foncière</translation>
    </message>
    <message>
        <source>Housing</source>
        <translation>Logement</translation>
    </message>
    <message>
        <source>Rent/Mortgage Payment</source>
        <translation>Loyer/mensualité de prêt</translation>
    </message>
    <message>
        <source>Maintenance</source>
        <translation>Entretien</translation>
    </message>
    <message>
        <source>HOA</source>
        <translation>Charges de copropriété</translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation>Services publics</translation>
    </message>
    <message>
        <source>Electric</source>
        <translation>Électricité</translation>
    </message>
    <message>
        <source>Gas</source>
        <translation>Gaz</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Eau</translation>
    </message>
    <message>
        <source>Internet</source>
        <translation>Internet</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Téléphone</translation>
    </message>
    <message>
        <source>Transportation</source>
        <translation>Transport</translation>
    </message>
    <message>
        <source>Gas/Fuel</source>
        <translation>Carburant</translation>
    </message>
    <message>
        <source>Car Payment</source>
        <translation>Mensualité auto</translation>
    </message>
    <message>
        <source>Auto Insurance</source>
        <translation>Assurance auto</translation>
    </message>
    <message>
        <source>Public Transit</source>
        <translation>Transports en commun</translation>
    </message>
    <message>
        <source>Groceries</source>
        <translation>Courses</translation>
    </message>
    <message>
        <source>Dining &amp; Restaurants</source>
        <translation>Repas et restaurants</translation>
    </message>
    <message>
        <source>Personal Care</source>
        <translation>Soins personnels</translation>
    </message>
    <message>
        <source>Pets</source>
        <translation>Animaux</translation>
    </message>
    <message>
        <source>Subscriptions</source>
        <translation>Abonnements</translation>
    </message>
    <message>
        <source>Gifts</source>
        <translation>Cadeaux</translation>
    </message>
    <message>
        <source>Miscellaneous</source>
        <translation>Divers</translation>
    </message>
    <message>
        <source>Entertainment</source>
        <translation>Loisirs</translation>
    </message>
    <message>
        <source>Streaming</source>
        <translation>Streaming</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>Cinéma</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Événements</translation>
    </message>
    <message>
        <source>Shopping</source>
        <translation>Achats</translation>
    </message>
    <message>
        <source>Clothing</source>
        <translation>Vêtements</translation>
    </message>
    <message>
        <source>Electronics</source>
        <translation>Électronique</translation>
    </message>
    <message>
        <source>Household</source>
        <translation>Maison</translation>
    </message>
    <message>
        <source>Insurance</source>
        <translation>Assurances</translation>
    </message>
    <message>
        <source>Health</source>
        <translation>Santé</translation>
    </message>
    <message>
        <source>Life</source>
        <translation>Vie</translation>
    </message>
    <message>
        <source>Home/Renters</source>
        <translation>Habitation</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Fees &amp; Charges</source>
        <translation>Frais et commissions</translation>
    </message>
    <message>
        <source>Bank Fees</source>
        <translation>Frais bancaires</translation>
    </message>
    <message>
        <source>ATM Fees</source>
        <translation>Frais de retrait</translation>
    </message>
    <message>
        <source>Late Fees</source>
        <translation>Pénalités de retard</translation>
    </message>
    <message>
        <source>Salary / Wages</source>
        <translation>Salaire</translation>
    </message>
    <message>
        <source>Interest Income</source>
        <translation>Intérêts perçus</translation>
    </message>
    <message>
        <source>Dividend Income</source>
        <translation>Dividendes</translation>
    </message>
    <message>
        <source>Rental Income</source>
        <translation>Revenus locatifs</translation>
    </message>
    <message>
        <source>Freelance / Consulting</source>
        <translation>Travail indépendant / conseil</translation>
    </message>
    <message>
        <source>Refunds</source>
        <translation>Remboursements</translation>
    </message>
    <message>
        <source>Gifts Received</source>
        <translation>Cadeaux reçus</translation>
    </message>
    <message>
        <source>Other Income</source>
        <translation>Autres revenus</translation>
    </message>
    <message>
        <source>This category has been deleted in the meantime.</source>
        <translation>Cette catégorie a été supprimée entre-temps.</translation>
    </message>
    <message>
        <source>Type a name for the category.</source>
        <translation>Saisissez un nom pour la catégorie.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; already has a category named &quot;%2&quot;.</source>
        <translation>« %1 » a déjà une catégorie nommée « %2 ».</translation>
    </message>
    <message>
        <source>There is already a top-level category named &quot;%1&quot;.</source>
        <translation>Il existe déjà une catégorie principale nommée « %1 ».</translation>
    </message>
</context>
<context>
    <name>CategoryTreeModel</name>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Tax Code</source>
        <translation>Code fiscal</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossible d’écrire %1 : %2</translation>
    </message>
    <message>
        <source>Cannot write to standard output: %1</source>
        <translation>Impossible d’écrire sur la sortie standard : %1</translation>
    </message>
    <message>
        <source>The data file could not be read. %1</source>
        <translation>Impossible de lire le fichier de données. %1</translation>
    </message>
    <message>
        <source>The transactions could not be read.</source>
        <translation>Impossible de lire les opérations.</translation>
    </message>
    <message>
        <source>This report needs --%1 yyyy-MM-dd.</source>
        <translation>Ce rapport nécessite --%1 yyyy-MM-dd.</translation>
    </message>
    <message>
        <source>--%1 needs a date written yyyy-MM-dd, not &quot;%2&quot;.</source>
        <translation>--%1 nécessite une date au format yyyy-MM-dd, et non « %2 ».</translation>
    </message>
    <message>
        <source>--%1 is before --%2.</source>
        <translation>--%1 est antérieur à --%2.</translation>
    </message>
    <message>
        <source>Unknown report &quot;%1&quot;. The reports are: %2.</source>
        <translation>Rapport inconnu « %1 ». Les rapports sont : %2.</translation>
    </message>
    <message>
        <source>There is no account named &quot;%1&quot;.</source>
        <translation>Il n’existe aucun compte nommé « %1 ».</translation>
    </message>
    <message>
        <source>Find the transactions matching &lt;text&gt;.</source>
        <translation>Recherche les opérations correspondant à &lt;texte&gt;.</translation>
    </message>
    <message>
        <source>text</source>
        <translation>texte</translation>
    </message>
    <message>
        <source>Write the report &lt;kind&gt;, such as category_spending.</source>
        <translation>Écrit le rapport &lt;type&gt;, par exemple category_spending.</translation>
    </message>
    <message>
        <source>kind</source>
        <translation>type</translation>
    </message>
    <message>
        <source>The report&apos;s first day.</source>
        <translation>Le premier jour du rapport.</translation>
    </message>
    <message>
        <source>yyyy-MM-dd</source>
        <translation>yyyy-MM-dd</translation>
    </message>
    <message>
        <source>The report&apos;s last day.</source>
        <translation>Le dernier jour du rapport.</translation>
    </message>
    <message>
        <source>Year over year: the second period&apos;s first day.</source>
        <translation>Comparaison annuelle : le premier jour de la seconde période.</translation>
    </message>
    <message>
        <source>Year over year: the second period&apos;s last day.</source>
        <translation>Comparaison annuelle : le dernier jour de la seconde période.</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nom</translation>
    </message>
    <message>
        <source>Write the CSV to &lt;file&gt;.</source>
        <translation>Écrit le CSV dans &lt;fichier&gt;.</translation>
    </message>
    <message>
        <source>file</source>
        <translation>fichier</translation>
    </message>
    <message>
        <source>Save a backup of the register as the ZIP archive &lt;file&gt;.</source>
        <translation>Enregistre une sauvegarde du registre dans l’archive ZIP &lt;fichier&gt;.</translation>
    </message>
    <message>
        <source>Restore the backup archive &lt;file&gt;.</source>
        <translation>Restaure l’archive de sauvegarde &lt;fichier&gt;.</translation>
    </message>
    <message>
        <source>Restoring: what becomes of rows already there: skip, replace or newer.</source>
        <translation>Restauration : ce que deviennent les lignes déjà présentes : skip, replace ou newer.</translation>
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
        <translation>Usage : kestrelwood-checkbook --search TEXT [--output FILE]
   ou : kestrelwood-checkbook --report KIND --from yyyy-MM-dd --to yyyy-MM-dd [--from2 yyyy-MM-dd --to2 yyyy-MM-dd] [--account NAME] [--output FILE]
   ou : kestrelwood-checkbook --export-backup FILE
   ou : kestrelwood-checkbook --restore-backup FILE --mode skip|replace|newer
   ou : kestrelwood-checkbook --import FILE... [--account NAME]</translation>
    </message>
    <message>
        <source>Unexpected argument: %1</source>
        <translation>Argument inattendu : %1</translation>
    </message>
    <message>
        <source>Give one of --search, --report, --export-backup, --restore-backup or --import.</source>
        <translation>Indiquez l’une des options --search, --report, --export-backup, --restore-backup ou --import.</translation>
    </message>
    <message>
        <source>--restore-backup needs --mode skip, --mode replace or --mode newer.</source>
        <translation>--restore-backup nécessite --mode skip, --mode replace ou --mode newer.</translation>
    </message>
    <message>
        <source>Cannot read the data file %1.</source>
        <translation>Impossible de lire le fichier de données %1.</translation>
    </message>
    <message>
        <source>Report on, or import a CSV or OFX file into, the account &lt;name&gt;.</source>
        <translation>Rapport sur le compte &lt;name&gt;, ou import d’un fichier CSV ou OFX dans ce compte.</translation>
    </message>
    <message>
        <source>Import the bank files &lt;file&gt; and those after it (CSV, QIF, OFX or QFX).</source>
        <translation>Importe les fichiers bancaires &lt;file&gt; et les suivants (CSV, QIF, OFX ou QFX).</translation>
    </message>
</context>
<context>
    <name>CommandLineHelp</name>
    <message>
        <source>Write the transactions matching TEXT as CSV.</source>
        <translation>Écrit en CSV les opérations correspondant à TEXT.</translation>
    </message>
    <message>
        <source>Write a report as CSV. The reports: %1.</source>
        <translation>Écrit un rapport en CSV. Les rapports : %1.</translation>
    </message>
    <message>
        <source>Save a backup of the register as a ZIP archive.</source>
        <translation>Enregistre une sauvegarde du registre dans une archive ZIP.</translation>
    </message>
    <message>
        <source>Restore a backup archive while the window is closed; needs --mode.</source>
        <translation>Restaure une archive de sauvegarde quand la fenêtre est fermée ; nécessite --mode.</translation>
    </message>
    <message>
        <source>Import bank files (CSV, QIF, OFX or QFX) while the window is closed.</source>
        <translation>Importe des fichiers bancaires (CSV, QIF, OFX ou QFX) quand la fenêtre est fermée.</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Affiche cette aide.</translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation>Affiche la version.</translation>
    </message>
    <message>
        <source>The report&apos;s first day.</source>
        <translation>Le premier jour du rapport.</translation>
    </message>
    <message>
        <source>The report&apos;s last day.</source>
        <translation>Le dernier jour du rapport.</translation>
    </message>
    <message>
        <source>Year over year: the second period&apos;s first day.</source>
        <translation>Comparaison annuelle : le premier jour de la seconde période.</translation>
    </message>
    <message>
        <source>Year over year: the second period&apos;s last day.</source>
        <translation>Comparaison annuelle : le dernier jour de la seconde période.</translation>
    </message>
    <message>
        <source>The account a report reads or a CSV, OFX or QFX file goes to.</source>
        <translation>Le compte que lit un rapport ou dans lequel va un fichier CSV, OFX ou QFX.</translation>
    </message>
    <message>
        <source>Write the CSV of a search or report to FILE instead of standard output.</source>
        <translation>Écrit le CSV d&apos;une recherche ou d&apos;un rapport dans FILE au lieu de la sortie standard.</translation>
    </message>
    <message>
        <source>Restoring: keep the rows already there, replace everything, or keep the newer row.</source>
        <translation>Restauration : garder les lignes existantes, tout remplacer ou garder la ligne la plus récente.</translation>
    </message>
    <message>
        <source>The folder of the register, checkbook.db; now %1.</source>
        <translation>Le dossier du registre, checkbook.db ; actuellement %1.</translation>
    </message>
    <message>
        <source>Print the debug and information messages too.</source>
        <translation>Affiche aussi les messages de débogage et d&apos;information.</translation>
    </message>
    <message>
        <source>Offer loading and clearing sample data in the Help menu.</source>
        <translation>Propose de charger et d&apos;effacer des données d&apos;exemple dans le menu Aide.</translation>
    </message>
    <message>
        <source>The sign-in service.</source>
        <translation>Le service de connexion.</translation>
    </message>
    <message>
        <source>The sign-in realm.</source>
        <translation>Le domaine de connexion.</translation>
    </message>
    <message>
        <source>The client id the sign-in service knows the program by.</source>
        <translation>L&apos;identifiant client sous lequel le service de connexion connaît le programme.</translation>
    </message>
    <message>
        <source>The account service.</source>
        <translation>Le service de compte.</translation>
    </message>
    <message>
        <source>The sync service.</source>
        <translation>Le service de synchronisation.</translation>
    </message>
    <message>
        <source>The account web pages Kestrelwood Account opens.</source>
        <translation>Les pages web du compte qu&apos;ouvre Compte Kestrelwood.</translation>
    </message>
    <message>
        <source>The folder of the update feed&apos;s latest.json.</source>
        <translation>Le dossier du fichier latest.json des mises à jour.</translation>
    </message>
    <message>
        <source>The page Send Feedback opens.</source>
        <translation>La page qu&apos;ouvre Envoyer des commentaires.</translation>
    </message>
    <message>
        <source>Example: %1</source>
        <translation>Exemple : %1</translation>
    </message>
    <message>
        <source>Usage: %1 [COMMAND] [OPTIONS]</source>
        <translation>Utilisation : %1 [COMMANDE] [OPTIONS]</translation>
    </message>
    <message>
        <source>Kestrelwood Checkbook, a checkbook register for household finances. Without a command it opens its window; the commands answer on the command line and need no display.</source>
        <translation>Kestrelwood Checkbook, un registre de chéquier pour les finances du foyer. Sans commande, il ouvre sa fenêtre ; les commandes répondent en ligne de commande et n&apos;ont pas besoin d&apos;écran.</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Commandes :</translation>
    </message>
    <message>
        <source>Options of the commands:</source>
        <translation>Options des commandes :</translation>
    </message>
    <message>
        <source>Environment variables:</source>
        <translation>Variables d&apos;environnement :</translation>
    </message>
    <message>
        <source>Run &quot;%1 --help&quot; for the commands and options.</source>
        <translation>Lancez « %1 --help » pour voir les commandes et les options.</translation>
    </message>
</context>
<context>
    <name>CsvRowReader</name>
    <message>
        <source>No date, payee or amount in this row</source>
        <translation>Pas de date, de bénéficiaire ou de montant dans cette ligne</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date written %2</source>
        <translation>« %1 » n’est pas une date au format %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an amount</source>
        <translation>« %1 » n’est pas un montant</translation>
    </message>
    <message>
        <source>A text in this row is too long</source>
        <translation>Un texte de cette ligne est trop long</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>The disk is full.</source>
        <translation>Le disque est plein.</translation>
    </message>
    <message>
        <source>The data file is read-only.</source>
        <translation>Le fichier de données est en lecture seule.</translation>
    </message>
    <message>
        <source>The data file is in use by another program.</source>
        <translation>Le fichier de données est utilisé par un autre programme.</translation>
    </message>
    <message>
        <source>The data file is damaged.</source>
        <translation>Le fichier de données est endommagé.</translation>
    </message>
    <message>
        <source>The data file could not be written.</source>
        <translation>Impossible d’écrire dans le fichier de données.</translation>
    </message>
</context>
<context>
    <name>DateField</name>
    <message>
        <source>Open calendar (F4)</source>
        <translation>Ouvrir le calendrier (F4)</translation>
    </message>
</context>
<context>
    <name>DeleteTransactionQuestion</name>
    <message>
        <source>Delete &quot;%1&quot; for %2?</source>
        <translation>Supprimer « %1 » de %2 ?</translation>
    </message>
    <message>
        <source>Delete transfer &quot;%1&quot; for %2?

Both sides of the transfer will be deleted.</source>
        <translation>Supprimer le virement « %1 » de %2 ?

Les deux côtés du virement seront supprimés.</translation>
    </message>
    <message>
        <source>Delete Transaction</source>
        <translation>Supprimer l&apos;opération</translation>
    </message>
</context>
<context>
    <name>ExclusiveDataFile</name>
    <message>
        <source>Kestrelwood Checkbook is open on %1. Close it, then try again.</source>
        <translation>Kestrelwood Checkbook a ouvert %1. Fermez-le, puis réessayez.</translation>
    </message>
    <message>
        <source>Cannot open the data file %1. %2</source>
        <translation>Impossible d’ouvrir le fichier de données %1. %2</translation>
    </message>
</context>
<context>
    <name>ExportResult</name>
    <message>
        <source>Backup Complete</source>
        <translation>Sauvegarde terminée</translation>
    </message>
    <message>
        <source>Backup Failed</source>
        <translation>Échec de la sauvegarde</translation>
    </message>
    <message>
        <source>Backup saved to:
%1</source>
        <translation>Sauvegarde enregistrée dans :
%1</translation>
    </message>
    <message>
        <source>Could not write to:
%1</source>
        <translation>Impossible d’écrire dans :
%1</translation>
    </message>
</context>
<context>
    <name>ImportCommand</name>
    <message>
        <source>none</source>
        <translation>aucune</translation>
    </message>
    <message>
        <source>tab</source>
        <translation>tabulation</translation>
    </message>
    <message>
        <source>the mapping last used for this account</source>
        <translation>la correspondance utilisée en dernier pour ce compte</translation>
    </message>
    <message>
        <source>the mapping proposed from the file</source>
        <translation>la correspondance proposée d’après le fichier</translation>
    </message>
    <message>
        <source>Read with %1: separator %2, %3 line(s) before the table, %4, dates as %5, columns: date %6, payee %7, amount %8, credit %9, memo %10, category %11.</source>
        <translation>Lu avec %1 : séparateur %2, %3 ligne(s) avant le tableau, %4, dates au format %5, colonnes : date %6, bénéficiaire %7, montant %8, crédit %9, mémo %10, catégorie %11.</translation>
    </message>
    <message>
        <source>a header row</source>
        <translation>avec ligne d’en-tête</translation>
    </message>
    <message>
        <source>no header row</source>
        <translation>sans ligne d’en-tête</translation>
    </message>
    <message>
        <source>%1: the import failed and nothing of it was stored (%2).</source>
        <translation>%1 : l’importation a échoué et rien n’en a été enregistré (%2).</translation>
    </message>
    <message>
        <source>%1: import complete.</source>
        <translation>%1 : importation terminée.</translation>
    </message>
    <message>
        <source>%1: a CSV file needs --account NAME, the account to import into.</source>
        <translation>%1 : un fichier CSV nécessite --account NAME, le compte dans lequel importer.</translation>
    </message>
    <message>
        <source>%1: the file could not be read.</source>
        <translation>%1 : impossible de lire le fichier.</translation>
    </message>
    <message>
        <source>There is no account named &quot;%1&quot;.</source>
        <translation>Il n’existe aucun compte nommé « %1 ».</translation>
    </message>
    <message>
        <source>%1: the new account &quot;%2&quot; holds its statement.</source>
        <translation>%1 : le nouveau compte « %2 » reçoit son relevé.</translation>
    </message>
</context>
<context>
    <name>ImportScreen</name>
    <message>
        <source>Import Transactions</source>
        <translation>Importer des opérations</translation>
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
        <translation>&amp;Format :</translation>
    </message>
    <message>
        <source>&amp;Account:</source>
        <translation>&amp;Compte :</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Parcourir...</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Fichier :</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>CSV Column Mapping:</source>
        <translation>Correspondance des colonnes CSV :</translation>
    </message>
    <message>
        <source>Comma (,)</source>
        <translation>Virgule (,)</translation>
    </message>
    <message>
        <source>Semicolon (;)</source>
        <translation>Point-virgule (;)</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tabulation</translation>
    </message>
    <message>
        <source>Some banks put the account number and the period above the table.</source>
        <translation>Certaines banques placent le numéro de compte et la période au-dessus du tableau.</translation>
    </message>
    <message>
        <source>First row is header</source>
        <translation>La première ligne est l’en-tête</translation>
    </message>
    <message>
        <source>For files with separate columns for money out and money in: the amount column is then the money out.</source>
        <translation>Pour les fichiers avec des colonnes distinctes pour les sorties et les entrées d’argent : la colonne du montant contient alors les sorties.</translation>
    </message>
    <message>
        <source>Separator:</source>
        <translation>Séparateur :</translation>
    </message>
    <message>
        <source>Lines before the table:</source>
        <translation>Lignes avant le tableau :</translation>
    </message>
    <message>
        <source>Date column:</source>
        <translation>Colonne de la date :</translation>
    </message>
    <message>
        <source>Payee column:</source>
        <translation>Colonne du bénéficiaire :</translation>
    </message>
    <message>
        <source>Amount column:</source>
        <translation>Colonne du montant :</translation>
    </message>
    <message>
        <source>Credit column:</source>
        <translation>Colonne du crédit :</translation>
    </message>
    <message>
        <source>Memo column:</source>
        <translation>Colonne du mémo :</translation>
    </message>
    <message>
        <source>Category column:</source>
        <translation>Colonne de la catégorie :</translation>
    </message>
    <message>
        <source>Date format:</source>
        <translation>Format de date :</translation>
    </message>
    <message>
        <source>The first rows as they will be imported:</source>
        <translation>Les premières lignes telles qu’elles seront importées :</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Bénéficiaire</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Mémo</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>QIF source accounts:</source>
        <translation>Comptes source QIF :</translation>
    </message>
    <message>
        <source>Choose where each Quicken account should be imported. Accounts mapped across the selected files will have their transfers linked automatically.</source>
        <translation>Choisissez où importer chaque compte Quicken. Les virements des comptes associés dans les fichiers sélectionnés seront liés automatiquement.</translation>
    </message>
    <message>
        <source>No file selected</source>
        <translation>Aucun fichier sélectionné</translation>
    </message>
    <message>
        <source>Select QIF File(s)</source>
        <translation>Sélectionner des fichiers QIF</translation>
    </message>
    <message>
        <source>QIF Files (*.qif)</source>
        <translation>Fichiers QIF (*.qif)</translation>
    </message>
    <message>
        <source>Select File</source>
        <translation>Sélectionner un fichier</translation>
    </message>
    <message>
        <source>CSV Files (*.csv);;All Files (*)</source>
        <translation>Fichiers CSV (*.csv);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>The file %1 could not be read.</source>
        <translation>Impossible de lire le fichier %1.</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(aucune)</translation>
    </message>
    <message>
        <source>Col %1: %2</source>
        <translation>Col. %1 : %2</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Colonne %1</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) selected</source>
        <translation>
            <numerusform>%n fichier sélectionné</numerusform>
            <numerusform>%n fichiers sélectionnés</numerusform>
        </translation>
    </message>
    <message>
        <source>Analyzing QIF file(s)...</source>
        <translation>Analyse des fichiers QIF...</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n transaction(s))</source>
        <translation>
            <numerusform>%1 (%n opération)</numerusform>
            <numerusform>%1 (%n opérations)</numerusform>
        </translation>
    </message>
    <message>
        <source>— Create new account &quot;%1&quot; —</source>
        <translation>— Créer le nouveau compte « %1 » —</translation>
    </message>
    <message>
        <source>— Skip these transactions —</source>
        <translation>— Ignorer ces opérations —</translation>
    </message>
    <message>
        <source>No transactions were found in the selected file(s).</source>
        <translation>Aucune opération n’a été trouvée dans les fichiers sélectionnés.</translation>
    </message>
    <message>
        <source>Choose a file to import first.</source>
        <translation>Choisissez d’abord un fichier à importer.</translation>
    </message>
    <message>
        <source>No target account</source>
        <translation>Aucun compte de destination</translation>
    </message>
    <message>
        <source>Pick an account to import into, or create one now.</source>
        <translation>Choisissez un compte dans lequel importer, ou créez-en un maintenant.</translation>
    </message>
    <message>
        <source>New Account</source>
        <translation>Nouveau compte</translation>
    </message>
    <message>
        <source>The account could not be created.</source>
        <translation>Impossible de créer le compte.</translation>
    </message>
    <message>
        <source>Importing...</source>
        <translation>Importation...</translation>
    </message>
    <message>
        <source>Import cancelled.</source>
        <translation>Importation annulée.</translation>
    </message>
    <message>
        <source>The import was stopped and all changes were rolled back. No transactions were added.</source>
        <translation>L’importation a été arrêtée et toutes les modifications ont été annulées. Aucune opération n’a été ajoutée.</translation>
    </message>
    <message>
        <source>Import failed.</source>
        <translation>Échec de l’importation.</translation>
    </message>
    <message>
        <source>A database error stopped the import and all changes were rolled back. No transactions were added.</source>
        <translation>Une erreur de base de données a interrompu l’importation et toutes les modifications ont été annulées. Aucune opération n’a été ajoutée.</translation>
    </message>
    <message>
        <source>Import complete!</source>
        <translation>Importation terminée !</translation>
    </message>
    <message>
        <source>OFX / QFX</source>
        <translation>OFX / QFX</translation>
    </message>
    <message>
        <source>Statement accounts:</source>
        <translation>Comptes du relevé :</translation>
    </message>
    <message>
        <source>Choose where each account of the statement should be imported. Rows imported from an earlier statement are skipped, so overlapping statements can be imported safely.</source>
        <translation>Choisissez où importer chaque compte du relevé. Les lignes déjà importées d’un relevé précédent sont ignorées : des relevés qui se chevauchent peuvent être importés sans risque.</translation>
    </message>
    <message>
        <source>Select Statement</source>
        <translation>Choisir un relevé</translation>
    </message>
    <message>
        <source>Bank Statements (*.ofx *.qfx);;All Files (*)</source>
        <translation>Relevés bancaires (*.ofx *.qfx);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>The file %1 is not an OFX or QFX bank statement.</source>
        <translation>Le fichier %1 n’est pas un relevé bancaire OFX ou QFX.</translation>
    </message>
    <message numerus="yes">
        <source>%1, %2 (%n transaction(s))</source>
        <translation>
            <numerusform>%1, %2 (%n opération)</numerusform>
            <numerusform>%1, %2 (%n opérations)</numerusform>
        </translation>
    </message>
    <message>
        <source>Import refused.</source>
        <translation>Import refusé.</translation>
    </message>
</context>
<context>
    <name>ImportService</name>
    <message numerus="yes">
        <source>%n transaction(s) imported</source>
        <translation>
            <numerusform>%n opération importée</numerusform>
            <numerusform>%n opérations importées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n transfer(s) linked across accounts</source>
        <translation>
            <numerusform>%n virement lié entre comptes</numerusform>
            <numerusform>%n virements liés entre comptes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>  (including %n linked to previously imported row(s))</source>
        <translation>
            <numerusform>  (dont %n lié à des lignes importées précédemment)</numerusform>
            <numerusform>  (dont %n liés à des lignes importées précédemment)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n duplicate(s) skipped</source>
        <translation>
            <numerusform>%n doublon ignoré</numerusform>
            <numerusform>%n doublons ignorés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (unparseable)</source>
        <translation>
            <numerusform>%n enregistrement ignoré (illisible)</numerusform>
            <numerusform>%n enregistrements ignorés (illisibles)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n metadata record(s) skipped</source>
        <translation>
            <numerusform>%n enregistrement de métadonnées ignoré</numerusform>
            <numerusform>%n enregistrements de métadonnées ignorés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (unmapped source account)</source>
        <translation>
            <numerusform>%n enregistrement ignoré (compte source non associé)</numerusform>
            <numerusform>%n enregistrements ignorés (compte source non associé)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (database error — see log)</source>
        <translation>
            <numerusform>%n enregistrement ignoré (erreur de base de données — voir le journal)</numerusform>
            <numerusform>%n enregistrements ignorés (erreur de base de données — voir le journal)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (no account header)</source>
        <translation>%1 (sans en-tête de compte)</translation>
    </message>
    <message>
        <source>Imported transaction</source>
        <translation>Opération importée</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>Épargne</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>Carte de crédit</translation>
    </message>
    <message>
        <source>Investment</source>
        <translation>Investissement</translation>
    </message>
    <message>
        <source>Checking</source>
        <translation>Compte courant</translation>
    </message>
    <message>
        <source>%1 is not an OFX or QFX bank statement. Nothing was imported.</source>
        <translation>%1 n’est pas un relevé bancaire OFX ou QFX. Rien n’a été importé.</translation>
    </message>
    <message>
        <source>The statement of %1 is in %2, a currency the register does not keep. Nothing was imported.</source>
        <translation>Le relevé de %1 est en %2, une devise que le registre ne gère pas. Rien n’a été importé.</translation>
    </message>
    <message>
        <source>The statement of %1 is in %2, but the account &quot;%3&quot; is kept in %4. Nothing was imported.</source>
        <translation>Le relevé de %1 est en %2, mais le compte « %3 » est tenu en %4. Rien n’a été importé.</translation>
    </message>
</context>
<context>
    <name>KestAccount::AccountScreen</name>
    <message>
        <source>Unknown client</source>
        <translation>Client inconnu</translation>
    </message>
    <message>
        <source>Kestrelwood Account</source>
        <translation>Compte Kestrelwood</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Groupe</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Appareils</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>Sécurité</translation>
    </message>
    <message>
        <source>Data &amp; Privacy</source>
        <translation>Données et confidentialité</translation>
    </message>
    <message>
        <source>Personal Information</source>
        <translation>Informations personnelles</translation>
    </message>
    <message>
        <source>Edit Display Name</source>
        <translation>Modifier le nom affiché</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Change your account password.</source>
        <translation>Modifiez le mot de passe de votre compte.</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>Changer le mot de passe</translation>
    </message>
    <message>
        <source>Account Portal</source>
        <translation>Portail du compte</translation>
    </message>
    <message>
        <source>Billing and other settings of your account are on the web.</source>
        <translation>La facturation et les autres réglages de votre compte sont sur le web.</translation>
    </message>
    <message>
        <source>Open Account Portal</source>
        <translation>Ouvrir le portail du compte</translation>
    </message>
    <message>
        <source>Registered Devices</source>
        <translation>Appareils enregistrés</translation>
    </message>
    <message>
        <source>Devices that have synced with your account.</source>
        <translation>Appareils qui se sont synchronisés avec votre compte.</translation>
    </message>
    <message>
        <source>Active Sessions</source>
        <translation>Sessions actives</translation>
    </message>
    <message>
        <source>Sessions currently signed in to your account.</source>
        <translation>Sessions actuellement connectées à votre compte.</translation>
    </message>
    <message>
        <source>Danger Zone</source>
        <translation>Zone de danger</translation>
    </message>
    <message>
        <source>Permanently delete your account. This cannot be undone after 30 days.</source>
        <translation>Supprimer définitivement votre compte. Impossible d&apos;annuler après 30 jours.</translation>
    </message>
    <message>
        <source>Delete Account</source>
        <translation>Supprimer le compte</translation>
    </message>
    <message>
        <source>You are the group owner. Transfer ownership or remove all members before deleting your account.</source>
        <translation>Vous êtes le propriétaire du groupe. Transférez la propriété ou retirez tous les membres avant de supprimer votre compte.</translation>
    </message>
    <message>
        <source>Your profile could not be loaded.</source>
        <translation>Impossible de charger votre profil.</translation>
    </message>
    <message>
        <source>(not set)</source>
        <translation>(non défini)</translation>
    </message>
    <message>
        <source>Your group could not be loaded.</source>
        <translation>Impossible de charger votre groupe.</translation>
    </message>
    <message>
        <source>No Group</source>
        <translation>Aucun groupe</translation>
    </message>
    <message>
        <source>You&apos;re not part of a group. The group owner can invite you, or you can join with an invite code.</source>
        <translation>Vous ne faites partie d&apos;aucun groupe. Le propriétaire d&apos;un groupe peut vous inviter, ou vous pouvez rejoindre un groupe avec un code d&apos;invitation.</translation>
    </message>
    <message>
        <source>Join with Invite Code</source>
        <translation>Rejoindre avec un code d&apos;invitation</translation>
    </message>
    <message>
        <source>%1 of %2 seats used</source>
        <translation>%1 place(s) sur %2 utilisée(s)</translation>
    </message>
    <message>
        <source>Leave Group</source>
        <translation>Quitter le groupe</translation>
    </message>
    <message>
        <source>Members</source>
        <translation>Membres</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>Propriétaire</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Pending Invitations</source>
        <translation>Invitations en attente</translation>
    </message>
    <message>
        <source>Invite code: %1</source>
        <translation>Code d&apos;invitation : %1</translation>
    </message>
    <message>
        <source>Revoke</source>
        <translation>Révoquer</translation>
    </message>
    <message>
        <source>Invite Members</source>
        <translation>Inviter des membres</translation>
    </message>
    <message>
        <source>Invite someone to start a family group with you.</source>
        <translation>Invitez quelqu&apos;un pour créer un groupe familial avec vous.</translation>
    </message>
    <message>
        <source>Invite by Email</source>
        <translation>Inviter par e-mail</translation>
    </message>
    <message>
        <source>Generate Invite Code</source>
        <translation>Générer un code d&apos;invitation</translation>
    </message>
    <message>
        <source>Your devices could not be loaded.</source>
        <translation>Impossible de charger vos appareils.</translation>
    </message>
    <message>
        <source>No devices registered.</source>
        <translation>Aucun appareil enregistré.</translation>
    </message>
    <message>
        <source>Unknown Device</source>
        <translation>Appareil inconnu</translation>
    </message>
    <message>
        <source>  ·  v%1</source>
        <translation>  ·  v%1</translation>
    </message>
    <message>
        <source>Your sessions could not be loaded.</source>
        <translation>Impossible de charger vos sessions.</translation>
    </message>
    <message>
        <source>No active sessions.</source>
        <translation>Aucune session active.</translation>
    </message>
    <message>
        <source>This session</source>
        <translation>Cette session</translation>
    </message>
    <message>
        <source>  ·  %1</source>
        <translation>  ·  %1</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Actuelle</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Inconnu</translation>
    </message>
    <message>
        <source>Active now</source>
        <translation>Active maintenant</translation>
    </message>
    <message>
        <source>%1m ago</source>
        <translation>il y a %1 min</translation>
    </message>
    <message>
        <source>%1h ago</source>
        <translation>il y a %1 h</translation>
    </message>
    <message>
        <source>%1d ago</source>
        <translation>il y a %1 j</translation>
    </message>
    <message>
        <source>Display name:</source>
        <translation>Nom affiché :</translation>
    </message>
    <message>
        <source>Failed to update profile.</source>
        <translation>Impossible de mettre à jour le profil.</translation>
    </message>
    <message>
        <source>Display name updated.</source>
        <translation>Nom affiché mis à jour.</translation>
    </message>
    <message>
        <source>Current password:</source>
        <translation>Mot de passe actuel :</translation>
    </message>
    <message>
        <source>New password (min 8 characters):</source>
        <translation>Nouveau mot de passe (8 caractères min.) :</translation>
    </message>
    <message>
        <source>Password must be at least 8 characters.</source>
        <translation>Le mot de passe doit comporter au moins 8 caractères.</translation>
    </message>
    <message>
        <source>Confirm new password:</source>
        <translation>Confirmez le nouveau mot de passe :</translation>
    </message>
    <message>
        <source>Passwords do not match.</source>
        <translation>Les mots de passe ne correspondent pas.</translation>
    </message>
    <message>
        <source>Password changed.</source>
        <translation>Mot de passe modifié.</translation>
    </message>
    <message>
        <source>Failed to change password.</source>
        <translation>Impossible de changer le mot de passe.</translation>
    </message>
    <message>
        <source>Join Group</source>
        <translation>Rejoindre le groupe</translation>
    </message>
    <message>
        <source>Enter invite code:</source>
        <translation>Saisissez le code d&apos;invitation :</translation>
    </message>
    <message>
        <source>Joined group.</source>
        <translation>Groupe rejoint.</translation>
    </message>
    <message>
        <source>Invalid or expired invite code.</source>
        <translation>Code d&apos;invitation non valide ou expiré.</translation>
    </message>
    <message>
        <source>Email address:</source>
        <translation>Adresse e-mail :</translation>
    </message>
    <message>
        <source>Failed to send invitation.</source>
        <translation>Impossible d&apos;envoyer l&apos;invitation.</translation>
    </message>
    <message>
        <source>Invitation sent.</source>
        <translation>Invitation envoyée.</translation>
    </message>
    <message>
        <source>Failed to generate code.</source>
        <translation>Impossible de générer le code.</translation>
    </message>
    <message>
        <source>Invite Code</source>
        <translation>Code d&apos;invitation</translation>
    </message>
    <message>
        <source>Share this code with the person you want to invite:

%1</source>
        <translation>Communiquez ce code à la personne que vous voulez inviter :

%1</translation>
    </message>
    <message>
        <source>Leave this group? You will lose access to shared data.</source>
        <translation>Quitter ce groupe ? Vous perdrez l&apos;accès aux données partagées.</translation>
    </message>
    <message>
        <source>Left group.</source>
        <translation>Groupe quitté.</translation>
    </message>
    <message>
        <source>Could not leave the group.</source>
        <translation>Impossible de quitter le groupe.</translation>
    </message>
    <message>
        <source>Remove Member</source>
        <translation>Retirer le membre</translation>
    </message>
    <message>
        <source>Remove %1 from the group? The accounts you share with them will no longer reach them.</source>
        <translation>Retirer %1 du groupe ? Les comptes que vous partagez avec cette personne ne lui parviendront plus.</translation>
    </message>
    <message>
        <source>%1 removed.</source>
        <translation>%1 retiré.</translation>
    </message>
    <message>
        <source>Could not remove %1.</source>
        <translation>Impossible de retirer %1.</translation>
    </message>
    <message>
        <source>Invitation revoked.</source>
        <translation>Invitation révoquée.</translation>
    </message>
    <message>
        <source>Could not revoke the invitation.</source>
        <translation>Impossible de révoquer l&apos;invitation.</translation>
    </message>
    <message>
        <source>Remove Device</source>
        <translation>Retirer l&apos;appareil</translation>
    </message>
    <message>
        <source>Remove %1 from your account&apos;s devices? It registers again the next time it signs in.</source>
        <translation>Retirer %1 des appareils de votre compte ? Il s&apos;enregistrera de nouveau à sa prochaine connexion.</translation>
    </message>
    <message>
        <source>Device removed.</source>
        <translation>Appareil retiré.</translation>
    </message>
    <message>
        <source>Could not remove the device.</source>
        <translation>Impossible de retirer l&apos;appareil.</translation>
    </message>
    <message>
        <source>Revoke Session</source>
        <translation>Révoquer la session</translation>
    </message>
    <message>
        <source>Sign out %1? It will have to sign in again.</source>
        <translation>Déconnecter %1 ? Il devra se reconnecter.</translation>
    </message>
    <message>
        <source>Session revoked.</source>
        <translation>Session révoquée.</translation>
    </message>
    <message>
        <source>Could not revoke the session.</source>
        <translation>Impossible de révoquer la session.</translation>
    </message>
    <message>
        <source>This will schedule your account for permanent deletion after 30 days.

Type DELETE to confirm:</source>
        <translation>Votre compte sera programmé pour une suppression définitive dans 30 jours.

Tapez DELETE pour confirmer :</translation>
    </message>
    <message>
        <source>Failed to delete account.</source>
        <translation>Impossible de supprimer le compte.</translation>
    </message>
    <message>
        <source>Account Scheduled for Deletion</source>
        <translation>Compte programmé pour suppression</translation>
    </message>
    <message>
        <source>Your account will be permanently deleted in 30 days. You can recover it by signing in before then.</source>
        <translation>Votre compte sera définitivement supprimé dans 30 jours. Vous pouvez le récupérer en vous connectant d&apos;ici là.</translation>
    </message>
</context>
<context>
    <name>KestAccount::AuthClient</name>
    <message>
        <source>Failed to start local auth server</source>
        <translation>Impossible de démarrer le serveur local de connexion</translation>
    </message>
    <message>
        <source>The sign-in was not completed in time</source>
        <translation>La connexion n’a pas été terminée à temps</translation>
    </message>
    <message>
        <source>No web browser could be opened</source>
        <translation>Aucun navigateur web n’a pu être ouvert</translation>
    </message>
    <message>
        <source>No tokens received</source>
        <translation>Aucun jeton reçu</translation>
    </message>
</context>
<context>
    <name>KestAccount::ShareMembersDialog</name>
    <message>
        <source>Shared with</source>
        <translation>Partagé avec</translation>
    </message>
    <message>
        <source>Not shared with anyone yet.</source>
        <translation>Partagé avec personne pour l&apos;instant.</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Partager</translation>
    </message>
    <message>
        <source>Remove Selected</source>
        <translation>Retirer la sélection</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Remove Share</source>
        <translation>Retirer le partage</translation>
    </message>
    <message>
        <source>Remove %1&apos;s access to this item?</source>
        <translation>Retirer l&apos;accès de %1 à cet élément ?</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Chargement...</translation>
    </message>
    <message>
        <source>Could not load who this is shared with.</source>
        <translation>Impossible de charger les personnes avec qui c&apos;est partagé.</translation>
    </message>
    <message>
        <source>Your family group could not be loaded.</source>
        <translation>Impossible de charger votre groupe familial.</translation>
    </message>
    <message>
        <source>All group members already added</source>
        <translation>Tous les membres du groupe sont déjà ajoutés</translation>
    </message>
    <message>
        <source>Sharing...</source>
        <translation>Partage...</translation>
    </message>
    <message>
        <source>Could not share with %1.</source>
        <translation>Impossible de partager avec %1.</translation>
    </message>
    <message>
        <source>Could not remove share.</source>
        <translation>Impossible de retirer le partage.</translation>
    </message>
</context>
<context>
    <name>KestAccount::WebAuthHandler</name>
    <message>
        <source>Sign-in problem</source>
        <translation>Problème de connexion</translation>
    </message>
    <message>
        <source>The request could not be read.</source>
        <translation>La requête n’a pas pu être lue.</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Introuvable</translation>
    </message>
    <message>
        <source>There is nothing here.</source>
        <translation>Il n’y a rien ici.</translation>
    </message>
    <message>
        <source>This sign-in was not started by Kestrelwood Checkbook on this computer.</source>
        <translation>Cette connexion n’a pas été lancée par Kestrelwood Checkbook sur cet ordinateur.</translation>
    </message>
    <message>
        <source>The sign-in did not complete. Please try again.</source>
        <translation>La connexion n’a pas abouti. Veuillez réessayer.</translation>
    </message>
    <message>
        <source>Authentication complete!</source>
        <translation>Authentification terminée !</translation>
    </message>
    <message>
        <source>You can close this tab and return to the application.</source>
        <translation>Vous pouvez fermer cet onglet et revenir à l’application.</translation>
    </message>
</context>
<context>
    <name>KestUpdate</name>
    <message>
        <source>No release notes available for %1 %2</source>
        <translation>Aucune note de version disponible pour %1 %2</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>Recherche de mises à jour…</translation>
    </message>
    <message>
        <source>%1 is up to date (version %2)</source>
        <translation>%1 est à jour (version %2)</translation>
    </message>
    <message>
        <source>Update check failed: %1</source>
        <translation>La recherche de mises à jour a échoué : %1</translation>
    </message>
    <message>
        <source>Loading release notes…</source>
        <translation>Chargement des notes de version…</translation>
    </message>
</context>
<context>
    <name>KestUpdate::Client</name>
    <message>
        <source>manifestBaseUrl is not valid</source>
        <translation>manifestBaseUrl n’est pas valide</translation>
    </message>
    <message>
        <source>currentVersion is empty</source>
        <translation>currentVersion est vide</translation>
    </message>
    <message>
        <source>network error: %1</source>
        <translation>erreur réseau : %1</translation>
    </message>
    <message>
        <source>the manifest is larger than 1 MB</source>
        <translation>le manifeste dépasse 1 Mo</translation>
    </message>
    <message>
        <source>manifest invalid: %1</source>
        <translation>manifeste non valide : %1</translation>
    </message>
    <message>
        <source>current version %1 is older than min_upgradable_from %2; please upgrade to an intermediate release first</source>
        <translation>la version actuelle %1 est antérieure à min_upgradable_from %2 ; installez d’abord une version intermédiaire</translation>
    </message>
</context>
<context>
    <name>KestUpdate::UpdateDialog</name>
    <message>
        <source>Update available</source>
        <translation>Mise à jour disponible</translation>
    </message>
    <message>
        <source>A new version of %1 is available.</source>
        <translation>Une nouvelle version de %1 est disponible.</translation>
    </message>
    <message>
        <source>You have version %1. The latest version is %2.</source>
        <translation>Vous avez la version %1. La plus récente est la %2.</translation>
    </message>
    <message>
        <source>Loading release notes…</source>
        <translation>Chargement des notes de version…</translation>
    </message>
    <message>
        <source>*Release notes are not available for this version.*</source>
        <translation>*Aucune note de version n’est disponible pour cette version.*</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Télécharger</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Plus tard</translation>
    </message>
</context>
<context>
    <name>KestUpdate::WhatsNewDialog</name>
    <message>
        <source>What&apos;s New in %1 %2</source>
        <translation>Nouveautés de %1 %2</translation>
    </message>
    <message>
        <source>What&apos;s new in %1 %2</source>
        <translation>Nouveautés de %1 %2</translation>
    </message>
    <message>
        <source>You are running version %1</source>
        <translation>Vous utilisez la version %1</translation>
    </message>
    <message>
        <source>Download %1</source>
        <translation>Télécharger %1</translation>
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
        <translation>Rapports</translation>
    </message>
    <message>
        <source>Recurring Transactions</source>
        <translation>Opérations récurrentes</translation>
    </message>
    <message>
        <source>Search Transactions</source>
        <translation>Rechercher des opérations</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Catégories</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>Reconciliation History</source>
        <translation>Historique des rapprochements</translation>
    </message>
    <message>
        <source>Import Transactions</source>
        <translation>Importer des opérations</translation>
    </message>
    <message>
        <source>Payee Management</source>
        <translation>Gestion des bénéficiaires</translation>
    </message>
    <message>
        <source>Sign In Required</source>
        <translation>Connexion requise</translation>
    </message>
    <message>
        <source>Sharing requires a Kestrelwood account. Sign in via File › Sign In to enable sharing.</source>
        <translation>Le partage nécessite un compte Kestrelwood. Connectez-vous via Fichier › Se connecter pour activer le partage.</translation>
    </message>
    <message>
        <source>Share Account</source>
        <translation>Partager le compte</translation>
    </message>
    <message>
        <source>Delete Account</source>
        <translation>Supprimer le compte</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;?

All transactions, recurring entries, and reconciliation history for this account will be removed. You can restore it from Preferences → Data &amp; Sync.</source>
        <translation>Supprimer « %1 » ?

Toutes les opérations, les opérations récurrentes et l&apos;historique des rapprochements de ce compte seront supprimés. Vous pourrez le restaurer depuis Préférences → Données et synchronisation.</translation>
    </message>
    <message>
        <source>Kestrelwood Account</source>
        <translation>Compte Kestrelwood</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New Transaction</source>
        <translation>&amp;Nouvelle opération</translation>
    </message>
    <message>
        <source>New &amp;Account</source>
        <translation>Nouveau &amp;compte</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importer...</translation>
    </message>
    <message>
        <source>Kestrelwood &amp;Account...</source>
        <translation>Compte &amp;Kestrelwood...</translation>
    </message>
    <message>
        <source>&amp;Sign In...</source>
        <translation>Se c&amp;onnecter...</translation>
    </message>
    <message>
        <source>Sign &amp;Out</source>
        <translation>Se &amp;déconnecter</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Rechercher...</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>&amp;Préférences...</translation>
    </message>
    <message>
        <source>&amp;Account</source>
        <translation>&amp;Compte</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Modifier...</translation>
    </message>
    <message>
        <source>&amp;Reconcile...</source>
        <translation>&amp;Rapprocher...</translation>
    </message>
    <message>
        <source>Reconciliation &amp;History...</source>
        <translation>&amp;Historique des rapprochements...</translation>
    </message>
    <message>
        <source>Rename &amp;Payees...</source>
        <translation>Renommer les &amp;bénéficiaires...</translation>
    </message>
    <message>
        <source>&amp;Share...</source>
        <translation>&amp;Partager...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Reports</source>
        <translation>&amp;Rapports</translation>
    </message>
    <message>
        <source>Re&amp;curring Transactions</source>
        <translation>Opérations ré&amp;currentes</translation>
    </message>
    <message>
        <source>C&amp;ategories</source>
        <translation>C&amp;atégories</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;ide</translation>
    </message>
    <message>
        <source>&amp;About Kestrelwood Checkbook</source>
        <translation>À &amp;propos de Kestrelwood Checkbook</translation>
    </message>
    <message>
        <source>What&apos;s &amp;New...</source>
        <translation>&amp;Nouveautés...</translation>
    </message>
    <message>
        <source>Check for &amp;Updates...</source>
        <translation>Rechercher des &amp;mises à jour...</translation>
    </message>
    <message>
        <source>Send &amp;Feedback...</source>
        <translation>Envoyer des &amp;commentaires...</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>Raccourcis &amp;clavier</translation>
    </message>
    <message>
        <source>Load &amp;Sample Data</source>
        <translation>Charger des données d&apos;&amp;exemple</translation>
    </message>
    <message>
        <source>&amp;Clear Sample Data</source>
        <translation>&amp;Effacer les données d&apos;exemple</translation>
    </message>
    <message>
        <source>Welcome to Kestrelwood Checkbook</source>
        <translation>Bienvenue dans Kestrelwood Checkbook</translation>
    </message>
    <message>
        <source>Create your first account to get started.</source>
        <translation>Créez votre premier compte pour commencer.</translation>
    </message>
    <message>
        <source>Create Account</source>
        <translation>Créer un compte</translation>
    </message>
    <message>
        <source>You can also import transactions from a CSV file via File › Import.</source>
        <translation>Vous pouvez aussi importer des opérations depuis un fichier CSV via Fichier › Importer.</translation>
    </message>
    <message>
        <source>Not signed in</source>
        <translation>Non connecté</translation>
    </message>
    <message>
        <source>Select an account first</source>
        <translation>Sélectionnez d&apos;abord un compte</translation>
    </message>
    <message>
        <source>About Kestrelwood Checkbook</source>
        <translation>À propos de Kestrelwood Checkbook</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Registre</translation>
    </message>
    <message>
        <source>Save transaction</source>
        <translation>Enregistrer l&apos;opération</translation>
    </message>
    <message>
        <source>Delete current transaction</source>
        <translation>Supprimer l&apos;opération en cours</translation>
    </message>
    <message>
        <source>Next / previous field</source>
        <translation>Champ suivant / précédent</translation>
    </message>
    <message>
        <source>&apos; (apostrophe)</source>
        <translation>&apos; (apostrophe)</translation>
    </message>
    <message>
        <source>Copy value from field above</source>
        <translation>Copier la valeur du champ au-dessus</translation>
    </message>
    <message>
        <source>Date Field</source>
        <translation>Champ de date</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Aujourd&apos;hui</translation>
    </message>
    <message>
        <source>Next / previous day</source>
        <translation>Jour suivant / précédent</translation>
    </message>
    <message>
        <source>First / last day of month</source>
        <translation>Premier / dernier jour du mois</translation>
    </message>
    <message>
        <source>First / last day of year</source>
        <translation>Premier / dernier jour de l&apos;année</translation>
    </message>
    <message>
        <source>First / last day of week</source>
        <translation>Premier / dernier jour de la semaine</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>New account</source>
        <translation>Nouveau compte</translation>
    </message>
    <message>
        <source>Reconcile account</source>
        <translation>Rapprocher le compte</translation>
    </message>
    <message>
        <source>Search transactions</source>
        <translation>Rechercher des opérations</translation>
    </message>
    <message>
        <source>Recurring transactions</source>
        <translation>Opérations récurrentes</translation>
    </message>
    <message>
        <source>Accounts</source>
        <translation>Comptes</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 à %2</translation>
    </message>
    <message>
        <source>Switch to account 1 to 9</source>
        <translation>Passer au compte 1 à 9</translation>
    </message>
    <message>
        <source>Switch to account 10</source>
        <translation>Passer au compte 10</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Raccourcis clavier</translation>
    </message>
    <message>
        <source>New Account</source>
        <translation>Nouveau compte</translation>
    </message>
    <message>
        <source>The account could not be created.</source>
        <translation>Impossible de créer le compte.</translation>
    </message>
    <message>
        <source>Edit Account</source>
        <translation>Modifier le compte</translation>
    </message>
    <message>
        <source>The account could not be saved.</source>
        <translation>Impossible d’enregistrer le compte.</translation>
    </message>
    <message>
        <source>The account could not be deleted.</source>
        <translation>Impossible de supprimer le compte.</translation>
    </message>
    <message>
        <source>Transaction memorized as recurring</source>
        <translation>Opération mémorisée comme récurrente</translation>
    </message>
    <message>
        <source>Not Saved</source>
        <translation>Non enregistré</translation>
    </message>
    <message>
        <source>The recurring transaction could not be saved.</source>
        <translation>Impossible d’enregistrer l’opération récurrente.</translation>
    </message>
    <message>
        <source>Insert new transaction (elsewhere: import)</source>
        <translation>Insérer une nouvelle opération (ailleurs : importer)</translation>
    </message>
    <message>
        <source>New transaction in a form (elsewhere: in the register)</source>
        <translation>Nouvelle opération dans un formulaire (ailleurs : dans le registre)</translation>
    </message>
    <message>
        <source>Memorize as recurring transaction</source>
        <translation>Mémoriser comme opération récurrente</translation>
    </message>
    <message>
        <source>Open the list or calendar</source>
        <translation>Ouvrir la liste ou le calendrier</translation>
    </message>
    <message>
        <source>Reconcile — %1</source>
        <translation>Rapprocher — %1</translation>
    </message>
    <message numerus="yes">
        <source>Auto-posted %n recurring transaction(s)</source>
        <translation>
            <numerusform>%n opération récurrente passée automatiquement</numerusform>
            <numerusform>%n opérations récurrentes passées automatiquement</numerusform>
        </translation>
    </message>
    <message>
        <source>Some recurring transactions were not posted automatically:</source>
        <translation>Certaines opérations récurrentes n’ont pas été passées automatiquement :</translation>
    </message>
    <message>
        <source>This transaction was deleted.</source>
        <translation>Cette opération a été supprimée.</translation>
    </message>
    <message>
        <source>Sample Data</source>
        <translation>Données d’exemple</translation>
    </message>
    <message>
        <source>Sample data is already loaded.</source>
        <translation>Les données d’exemple sont déjà chargées.</translation>
    </message>
    <message>
        <source>The sample data could not be loaded.</source>
        <translation>Impossible de charger les données d’exemple.</translation>
    </message>
    <message>
        <source>Sample data loaded</source>
        <translation>Données d’exemple chargées</translation>
    </message>
    <message>
        <source>No sample data to clear.</source>
        <translation>Aucune donnée d’exemple à effacer.</translation>
    </message>
    <message>
        <source>Clear Sample Data</source>
        <translation>Effacer les données d’exemple</translation>
    </message>
    <message>
        <source>Remove the sample accounts with all their transactions and recurring transactions?</source>
        <translation>Supprimer les comptes d’exemple avec toutes leurs opérations et opérations récurrentes ?</translation>
    </message>
    <message>
        <source>The sample data could not be cleared.</source>
        <translation>Impossible d’effacer les données d’exemple.</translation>
    </message>
    <message>
        <source>Sample data cleared</source>
        <translation>Données d’exemple effacées</translation>
    </message>
    <message>
        <source>Signed in successfully</source>
        <translation>Connexion réussie</translation>
    </message>
    <message>
        <source>Sign-in failed: %1</source>
        <translation>Échec de la connexion : %1</translation>
    </message>
    <message>
        <source>Sign-In Not Remembered</source>
        <translation>Connexion non mémorisée</translation>
    </message>
    <message>
        <source>Your sign-in could not be saved in the system&apos;s keyring, so you will need to sign in again the next time you start Kestrelwood Checkbook.</source>
        <translation>Votre connexion n’a pas pu être enregistrée dans le trousseau du système : vous devrez vous reconnecter au prochain démarrage de Kestrelwood Checkbook.</translation>
    </message>
    <message>
        <source>Sharing: %1</source>
        <translation>Partage : %1</translation>
    </message>
    <message>
        <source>Share this account with members of your Kestrelwood family group. They&apos;ll see the same register, balances, and reconciliation history on their devices.</source>
        <translation>Partagez ce compte avec les membres de votre groupe familial Kestrelwood. Ils verront le même registre, les mêmes soldes et le même historique de rapprochement sur leurs appareils.</translation>
    </message>
    <message>
        <source>Shared with</source>
        <translation>Partagé avec</translation>
    </message>
    <message>
        <source>Not shared with anyone yet.</source>
        <translation>Partagé avec personne pour l&apos;instant.</translation>
    </message>
    <message>
        <source>You are not in a family group yet. Invite someone or join a group in File › Kestrelwood Account, then share this account here.</source>
        <translation>Vous n&apos;êtes pas encore dans un groupe familial. Invitez quelqu&apos;un ou rejoignez un groupe dans Fichier › Compte Kestrelwood, puis partagez ce compte ici.</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Partager</translation>
    </message>
    <message>
        <source>Remove Selected</source>
        <translation>Retirer la sélection</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Share Failed</source>
        <translation>Échec du partage</translation>
    </message>
    <message>
        <source>Remove Failed</source>
        <translation>Échec du retrait</translation>
    </message>
    <message>
        <source>Remove Share</source>
        <translation>Retirer le partage</translation>
    </message>
    <message>
        <source>Remove %1&apos;s access to this account?</source>
        <translation>Retirer l&apos;accès de %1 à ce compte ?</translation>
    </message>
    <message>
        <source>Sync complete</source>
        <translation>Synchronisation terminée</translation>
    </message>
    <message>
        <source>Sync failed: %1</source>
        <translation>Échec de la synchronisation : %1</translation>
    </message>
    <message>
        <source>Sync paused</source>
        <translation>Synchronisation en pause</translation>
    </message>
    <message>
        <source>Different Account</source>
        <translation>Autre compte</translation>
    </message>
    <message>
        <source>This device&apos;s books could not be prepared for the account you signed in with, so nothing was synced. %1</source>
        <translation>Les données de cet appareil n&apos;ont pas pu être préparées pour le compte avec lequel vous vous êtes connecté ; rien n&apos;a donc été synchronisé. %1</translation>
    </message>
</context>
<context>
    <name>Manifest</name>
    <message>
        <source>missing or non-string field: %1</source>
        <translation>champ %1 manquant ou non textuel</translation>
    </message>
    <message>
        <source>artifact %1 is not an object</source>
        <translation>l’artefact %1 n’est pas un objet</translation>
    </message>
    <message>
        <source>artifact %1 failed validation</source>
        <translation>l’artefact %1 n’a pas passé la validation</translation>
    </message>
    <message>
        <source>JSON parse error: %1</source>
        <translation>erreur d’analyse JSON : %1</translation>
    </message>
    <message>
        <source>manifest root is not a JSON object</source>
        <translation>la racine du manifeste n’est pas un objet JSON</translation>
    </message>
    <message>
        <source>missing or non-integer field: schema</source>
        <translation>champ schema manquant ou non entier</translation>
    </message>
    <message>
        <source>unsupported manifest schema: %1 (expected %2)</source>
        <translation>schéma de manifeste non pris en charge : %1 (attendu %2)</translation>
    </message>
    <message>
        <source>missing or non-object field: artifacts</source>
        <translation>champ artifacts manquant ou non objet</translation>
    </message>
    <message>
        <source>manifest failed validation</source>
        <translation>le manifeste n’a pas passé la validation</translation>
    </message>
</context>
<context>
    <name>PayeeMemoEditor</name>
    <message>
        <source>Memo</source>
        <translation>Mémo</translation>
    </message>
</context>
<context>
    <name>PayeeScreen</name>
    <message>
        <source>Select the payees to rename first.</source>
        <translation>Sélectionnez d’abord les bénéficiaires à renommer.</translation>
    </message>
    <message>
        <source>Type the new name under &quot;Rename to:&quot; first.</source>
        <translation>Saisissez d’abord le nouveau nom dans « Renommer en : ».</translation>
    </message>
    <message>
        <source>Rename Payees</source>
        <translation>Renommer les bénéficiaires</translation>
    </message>
    <message>
        <source>The payees could not be renamed.</source>
        <translation>Impossible de renommer les bénéficiaires.</translation>
    </message>
    <message>
        <source>Rename Complete</source>
        <translation>Renommage terminé</translation>
    </message>
    <message numerus="yes">
        <source>Renamed %n transaction(s).</source>
        <translation>
            <numerusform>Bénéficiaire renommé dans %n opération.</numerusform>
            <numerusform>Bénéficiaire renommé dans %n opérations.</numerusform>
        </translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Fusionner</translation>
    </message>
    <message>
        <source>Select 2 or more payees to merge.</source>
        <translation>Sélectionnez au moins 2 bénéficiaires à fusionner.</translation>
    </message>
    <message>
        <source>Merge Payees</source>
        <translation>Fusionner les bénéficiaires</translation>
    </message>
    <message>
        <source>The payees could not be merged.</source>
        <translation>Impossible de fusionner les bénéficiaires.</translation>
    </message>
    <message>
        <source>Merge Complete</source>
        <translation>Fusion terminée</translation>
    </message>
    <message numerus="yes">
        <source>Merged %n transaction(s).</source>
        <translation>
            <numerusform>Bénéficiaires fusionnés dans %n opération.</numerusform>
            <numerusform>Bénéficiaires fusionnés dans %n opérations.</numerusform>
        </translation>
    </message>
    <message>
        <source>Payees</source>
        <translation>Bénéficiaires</translation>
    </message>
    <message>
        <source>Rename to:</source>
        <translation>Renommer en :</translation>
    </message>
    <message>
        <source>Rename Selected</source>
        <translation>Renommer la sélection</translation>
    </message>
    <message>
        <source>Merge Selected</source>
        <translation>Fusionner la sélection</translation>
    </message>
    <message>
        <source>Merge %1 payees into &quot;%2&quot;?</source>
        <translation>Fusionner %1 bénéficiaires en « %2 » ?</translation>
    </message>
</context>
<context>
    <name>PaymentDepositChoice</name>
    <message>
        <source>Payment</source>
        <translation>Paiement</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Dépôt</translation>
    </message>
</context>
<context>
    <name>PaymentFormFields</name>
    <message>
        <source>Start typing to search payees...</source>
        <translation>Saisissez pour rechercher un bénéficiaire...</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(aucune)</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>Facultatif</translation>
    </message>
</context>
<context>
    <name>ReconciliationHistoryScreen</name>
    <message>
        <source>Reconciliation History</source>
        <translation>Historique des rapprochements</translation>
    </message>
    <message>
        <source>Past reconciliations for this account.</source>
        <translation>Rapprochements précédents de ce compte.</translation>
    </message>
    <message>
        <source>Statement Date</source>
        <translation>Date du relevé</translation>
    </message>
    <message>
        <source>Statement Balance</source>
        <translation>Solde du relevé</translation>
    </message>
    <message>
        <source>Reconciled Balance</source>
        <translation>Solde rapproché</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Terminé le</translation>
    </message>
    <message>
        <source>No reconciliations yet. Reconcile your account from the register to see the history here.</source>
        <translation>Aucun rapprochement pour l’instant. Rapprochez votre compte depuis le registre pour voir l’historique ici.</translation>
    </message>
    <message>
        <source>Reconciliation History — %1</source>
        <translation>Historique des rapprochements — %1</translation>
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
        <translation>Bénéficiaire</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>Clr</source>
        <translation>Pt</translation>
    </message>
</context>
<context>
    <name>ReconciliationScreen</name>
    <message>
        <source>Reconcile Account</source>
        <translation>Rapprocher le compte</translation>
    </message>
    <message>
        <source>Statement Date:</source>
        <translation>Date du relevé :</translation>
    </message>
    <message>
        <source>Statement Balance:</source>
        <translation>Solde du relevé :</translation>
    </message>
    <message>
        <source>Previous Balance</source>
        <translation>Solde précédent</translation>
    </message>
    <message>
        <source>Cleared Deposits</source>
        <translation>Dépôts pointés</translation>
    </message>
    <message>
        <source>Cleared Withdrawals</source>
        <translation>Retraits pointés</translation>
    </message>
    <message>
        <source>Cleared Balance</source>
        <translation>Solde pointé</translation>
    </message>
    <message>
        <source>Statement Balance</source>
        <translation>Solde du relevé</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Écart</translation>
    </message>
    <message>
        <source>Finish Reconciliation</source>
        <translation>Terminer le rapprochement</translation>
    </message>
    <message>
        <source>Finish when the difference is zero (%1)</source>
        <translation>Terminer quand l’écart est nul (%1)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Add Transaction</source>
        <translation>Ajouter une opération</translation>
    </message>
    <message>
        <source>Add a transaction (%1)</source>
        <translation>Ajouter une opération (%1)</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Edit selected transaction (F2)</source>
        <translation>Modifier l’opération sélectionnée (F2)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Delete selected transaction (Del)</source>
        <translation>Supprimer l’opération sélectionnée (Suppr)</translation>
    </message>
    <message>
        <source>Enter a valid date, such as %1</source>
        <translation>Saisissez une date valide, par exemple %1</translation>
    </message>
    <message>
        <source>The ticked transactions must match the statement balance: the difference is %1.</source>
        <translation>Les opérations cochées doivent correspondre au solde du relevé : l’écart est de %1.</translation>
    </message>
    <message>
        <source>Not Reconciled</source>
        <translation>Non rapproché</translation>
    </message>
    <message>
        <source>The account was not reconciled; nothing was changed.</source>
        <translation>Le compte n’a pas été rapproché ; rien n’a été modifié.</translation>
    </message>
    <message>
        <source>Reconciliation Complete</source>
        <translation>Rapprochement terminé</translation>
    </message>
    <message>
        <source>Account reconciled successfully.</source>
        <translation>Le compte a bien été rapproché.</translation>
    </message>
    <message>
        <source>Not Saved</source>
        <translation>Non enregistré</translation>
    </message>
    <message>
        <source>The transaction could not be saved.</source>
        <translation>Impossible d’enregistrer l’opération.</translation>
    </message>
    <message>
        <source>Not Deleted</source>
        <translation>Non supprimé</translation>
    </message>
    <message>
        <source>The transaction could not be deleted.</source>
        <translation>Impossible de supprimer l’opération.</translation>
    </message>
    <message>
        <source>Select a transaction in the list first.</source>
        <translation>Sélectionnez d’abord une opération dans la liste.</translation>
    </message>
    <message>
        <source>too large</source>
        <translation>trop grand</translation>
    </message>
</context>
<context>
    <name>ReconciliationService</name>
    <message>
        <source>The account no longer exists.</source>
        <translation>Le compte n’existe plus.</translation>
    </message>
    <message>
        <source>The statement date is not a valid date.</source>
        <translation>La date du relevé n’est pas une date valide.</translation>
    </message>
    <message>
        <source>Transactions reconciled before were changed elsewhere, so the ticked ones no longer add up to the statement balance of %1.</source>
        <translation>Des opérations rapprochées auparavant ont été modifiées ailleurs ; les opérations cochées ne correspondent donc plus au solde du relevé de %1.</translation>
    </message>
    <message>
        <source>The amount of &quot;%1&quot; was changed elsewhere from %2 to %3.</source>
        <translation>Le montant de « %1 » a été modifié ailleurs de %2 à %3.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was reconciled elsewhere meanwhile.</source>
        <translation>« %1 » a été rapproché ailleurs entre-temps.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was deleted elsewhere after the reconciliation window read it.</source>
        <translation>« %1 » a été supprimé ailleurs après son chargement dans la fenêtre de rapprochement.</translation>
    </message>
</context>
<context>
    <name>RecurringFormDialog</name>
    <message>
        <source>Memorize Transaction</source>
        <translation>Mémoriser l&apos;opération</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Type :</translation>
    </message>
    <message>
        <source>Payee:</source>
        <translation>Bénéficiaire :</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Montant :</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Tous les jours</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Toutes les semaines</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Tous les mois</translation>
    </message>
    <message>
        <source>Quarterly</source>
        <translation>Tous les trimestres</translation>
    </message>
    <message>
        <source>Frequency:</source>
        <translation>Fréquence :</translation>
    </message>
    <message>
        <source>Start Date:</source>
        <translation>Date de début :</translation>
    </message>
    <message>
        <source>Auto-post when due</source>
        <translation>Passer automatiquement à l&apos;échéance</translation>
    </message>
    <message>
        <source>New Recurring Transaction</source>
        <translation>Nouvelle opération récurrente</translation>
    </message>
    <message>
        <source>Edit Recurring Transaction</source>
        <translation>Modifier l’opération récurrente</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Compte :</translation>
    </message>
    <message>
        <source>(deleted account)</source>
        <translation>(compte supprimé)</translation>
    </message>
    <message>
        <source>Transfer to:</source>
        <translation>Virement vers :</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Catégorie :</translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation>Mémo :</translation>
    </message>
    <message>
        <source>Bi-weekly</source>
        <translation>Toutes les 2 semaines</translation>
    </message>
    <message>
        <source>Semi-annual</source>
        <translation>Tous les 6 mois</translation>
    </message>
    <message>
        <source>Annual</source>
        <translation>Tous les ans</translation>
    </message>
    <message>
        <source>Has end date</source>
        <translation>Avec date de fin</translation>
    </message>
    <message>
        <source>End Date:</source>
        <translation>Date de fin :</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Active</translation>
    </message>
    <message>
        <source>(deleted category)</source>
        <translation>(catégorie supprimée)</translation>
    </message>
    <message>
        <source>Rounded to %1: amounts in %2 have no fractions.</source>
        <translation>Arrondi à %1 : les montants en %2 n’ont pas de décimales.</translation>
    </message>
    <message>
        <source>Next due on %1.</source>
        <translation>Prochaine échéance le %1.</translation>
    </message>
    <message>
        <source>It ends before it is next due on %1, so it would never post: it is saved as inactive.</source>
        <translation>Elle se termine avant sa prochaine échéance du %1 et ne serait donc jamais passée : elle est enregistrée comme inactive.</translation>
    </message>
    <message>
        <source>Next due on %1; the transaction of %2 is already in the register.</source>
        <translation>Prochaine échéance le %1 ; l’opération du %2 figure déjà dans le registre.</translation>
    </message>
    <message>
        <source>Enter a valid date, such as %1</source>
        <translation>Saisissez une date valide, par exemple %1</translation>
    </message>
    <message>
        <source>Create an account first: a recurring transaction posts into one.</source>
        <translation>Créez d’abord un compte : une opération récurrente est passée dans un compte.</translation>
    </message>
    <message>
        <source>Payee is required</source>
        <translation>Le bénéficiaire est obligatoire</translation>
    </message>
    <message>
        <source>Enter a payment or deposit amount</source>
        <translation>Saisissez un montant de paiement ou de dépôt</translation>
    </message>
    <message>
        <source>There is no category &quot;%1&quot;. Choose one from the list.</source>
        <translation>Il n’y a pas de catégorie « %1 ». Choisissez-en une dans la liste.</translation>
    </message>
    <message>
        <source>Enter a start date in 2000 or later.</source>
        <translation>Saisissez une date de début en 2000 ou après.</translation>
    </message>
    <message>
        <source>Transfer account not found</source>
        <translation>Compte du virement introuvable</translation>
    </message>
    <message>
        <source>Transfers require both accounts to use the same currency</source>
        <translation>Les virements exigent que les deux comptes utilisent la même devise</translation>
    </message>
</context>
<context>
    <name>RecurringModel</name>
    <message>
        <source>Account</source>
        <translation>Compte</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Bénéficiaire</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Fréquence</translation>
    </message>
    <message>
        <source>Next Due</source>
        <translation>Prochaine échéance</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Automatique</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
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
        <translation>Opérations récurrentes</translation>
    </message>
    <message>
        <source>Confirm All Due</source>
        <translation>Confirmer toutes les échéances</translation>
    </message>
    <message>
        <source>New Recurring</source>
        <translation>Nouvelle opération récurrente</translation>
    </message>
    <message>
        <source>(%1 due)</source>
        <translation>(%1 à passer)</translation>
    </message>
    <message>
        <source>• %1: %2</source>
        <translation>• %1 : %2</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifier</translation>
    </message>
    <message>
        <source>&amp;Confirm</source>
        <translation>&amp;Confirmer</translation>
    </message>
    <message>
        <source>&amp;Skip</source>
        <translation>&amp;Ignorer</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmer</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not posted.</source>
        <translation>L’opération « %1 » n’a pas été passée.</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Ignorer</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not skipped.</source>
        <translation>L’opération « %1 » n’a pas été ignorée.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Delete recurring &quot;%1&quot;?</source>
        <translation>Supprimer l’opération récurrente « %1 » ?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be deleted.</source>
        <translation>Impossible de supprimer « %1 ».</translation>
    </message>
    <message numerus="yes">
        <source>%n recurring transaction(s) posted.</source>
        <translation>
            <numerusform>%n opération récurrente passée.</numerusform>
            <numerusform>%n opérations récurrentes passées.</numerusform>
        </translation>
    </message>
    <message>
        <source>Not posted:</source>
        <translation>Non passées :</translation>
    </message>
    <message>
        <source>The recurring transaction could not be saved.</source>
        <translation>Impossible d’enregistrer l’opération récurrente.</translation>
    </message>
</context>
<context>
    <name>RecurringService</name>
    <message>
        <source>This recurring transaction was deleted elsewhere.</source>
        <translation>Cette opération récurrente a été supprimée ailleurs.</translation>
    </message>
    <message>
        <source>This recurring transaction is inactive.</source>
        <translation>Cette opération récurrente est inactive.</translation>
    </message>
    <message>
        <source>Its next due date is not a valid date, so it was made inactive. Give it a new start date to use it again.</source>
        <translation>Sa prochaine date d’échéance n’est pas une date valide ; elle a donc été désactivée. Donnez-lui une nouvelle date de début pour l’utiliser à nouveau.</translation>
    </message>
    <message>
        <source>The occurrence due on %1 is already in the register, so it was not posted again.</source>
        <translation>L’échéance du %1 figure déjà dans le registre ; elle n’a donc pas été passée une seconde fois.</translation>
    </message>
    <message>
        <source>A whole year of missed occurrences was posted at once, so it was made inactive. Check its dates before making it active again.</source>
        <translation>Une année entière d’échéances manquées a été passée en une seule fois ; l’opération a donc été désactivée. Vérifiez ses dates avant de la réactiver.</translation>
    </message>
    <message>
        <source>It ended on %1, before its next due date %2, so nothing was posted and it was made inactive.</source>
        <translation>Elle s’est terminée le %1, avant sa prochaine échéance du %2 ; rien n’a donc été passé et elle a été désactivée.</translation>
    </message>
</context>
<context>
    <name>RegisterModel</name>
    <message>
        <source>Payee / Memo</source>
        <translation>Bénéficiaire / Mémo</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Solde</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Chk #</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Bénéficiaire</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Mémo</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Paiement</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Dépôt</translation>
    </message>
    <message>
        <source>Clr</source>
        <translation>Pt</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Dépassement</translation>
    </message>
    <message>
        <source>The balance is too large to show.</source>
        <translation>Le solde est trop grand pour être affiché.</translation>
    </message>
</context>
<context>
    <name>RegisterScreen</name>
    <message>
        <source>Cannot memorize: source transaction has an invalid date</source>
        <translation>Impossible de mémoriser : la date de l&apos;opération d&apos;origine n&apos;est pas valide</translation>
    </message>
    <message>
        <source>&amp;Insert New</source>
        <translation>&amp;Insérer une nouvelle</translation>
    </message>
    <message>
        <source>&amp;New Transaction...</source>
        <translation>&amp;Nouvelle opération...</translation>
    </message>
    <message>
        <source>Mark &amp;Uncleared</source>
        <translation>Marquer comme non p&amp;ointée</translation>
    </message>
    <message>
        <source>Mark &amp;Cleared</source>
        <translation>Marquer comme &amp;pointée</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Fields cleared</source>
        <translation>Champs effacés</translation>
    </message>
    <message>
        <source>Reconcile</source>
        <translation>Rapprocher</translation>
    </message>
    <message>
        <source>%1: save  |  Enter: next  |  %2: delete  |  %3: memorize  |  &apos;: copy above</source>
        <translation>%1 : enregistrer  |  Entrée : suivant  |  %2 : supprimer  |  %3 : mémoriser  |  &apos; : copier au-dessus</translation>
    </message>
    <message>
        <source>Payee is required</source>
        <translation>Le bénéficiaire est obligatoire</translation>
    </message>
    <message>
        <source>Enter a payment or deposit amount</source>
        <translation>Saisissez un montant de paiement ou de dépôt</translation>
    </message>
    <message>
        <source>Enter a valid amount</source>
        <translation>Saisissez un montant valide</translation>
    </message>
    <message>
        <source>Transfer account not found</source>
        <translation>Compte du virement introuvable</translation>
    </message>
    <message>
        <source>Transfers require both accounts to use the same currency</source>
        <translation>Les virements exigent que les deux comptes utilisent la même devise</translation>
    </message>
    <message>
        <source>The transaction could not be changed.</source>
        <translation>Impossible de modifier l’opération.</translation>
    </message>
    <message>
        <source>The transaction could not be deleted.</source>
        <translation>Impossible de supprimer l’opération.</translation>
    </message>
    <message>
        <source>The transaction could not be saved.</source>
        <translation>Impossible d’enregistrer l’opération.</translation>
    </message>
    <message>
        <source>Transaction Changed</source>
        <translation>Opération modifiée</translation>
    </message>
    <message>
        <source>%1

What you typed is still on screen.</source>
        <translation>%1

Ce que vous avez saisi est toujours à l’écran.</translation>
    </message>
    <message>
        <source>Keep Editing</source>
        <translation>Continuer la modification</translation>
    </message>
    <message>
        <source>Show Saved Version</source>
        <translation>Afficher la version enregistrée</translation>
    </message>
    <message>
        <source>Save Mine Instead</source>
        <translation>Enregistrer la mienne</translation>
    </message>
    <message>
        <source>Not Saved</source>
        <translation>Non enregistré</translation>
    </message>
    <message>
        <source>The opening balance is not a transaction: change it with Account › Edit.</source>
        <translation>Le solde d’ouverture n’est pas une opération : modifiez-le avec Compte › Modifier.</translation>
    </message>
    <message>
        <source>Enter a valid date, such as %1</source>
        <translation>Saisissez une date valide, par exemple %1</translation>
    </message>
    <message>
        <source>No category is named &quot;%1&quot;</source>
        <translation>Aucune catégorie ne s’appelle « %1 »</translation>
    </message>
    <message>
        <source>&quot;%1&quot; fits more than one category: choose one from the list</source>
        <translation>« %1 » correspond à plusieurs catégories : choisissez-en une dans la liste</translation>
    </message>
    <message>
        <source>The transaction you were changing was deleted by another program.</source>
        <translation>L’opération que vous modifiiez a été supprimée par un autre programme.</translation>
    </message>
    <message>
        <source>Unsaved Transaction</source>
        <translation>Opération non enregistrée</translation>
    </message>
    <message>
        <source>The new transaction you typed is not saved yet.</source>
        <translation>La nouvelle opération que vous avez saisie n’est pas encore enregistrée.</translation>
    </message>
    <message>
        <source>Your changes to this transaction are not saved yet.</source>
        <translation>Vos modifications de cette opération ne sont pas encore enregistrées.</translation>
    </message>
    <message>
        <source>Save it, discard what you typed, or keep editing?</source>
        <translation>L’enregistrer, abandonner la saisie ou continuer la modification ?</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Abandonner</translation>
    </message>
</context>
<context>
    <name>ReportChart</name>
    <message>
        <source>No data for this period</source>
        <translation>Aucune donnée pour cette période</translation>
    </message>
    <message>
        <source>The chart is not shown, so there is no picture to save.</source>
        <translation>Le graphique n’est pas affiché ; il n’y a donc aucune image à enregistrer.</translation>
    </message>
    <message>
        <source>The file %1 could not be opened for writing: %2</source>
        <translation>Impossible d’ouvrir le fichier %1 en écriture : %2</translation>
    </message>
    <message>
        <source>The picture could not be written to %1: %2</source>
        <translation>Impossible d’écrire l’image dans %1 : %2</translation>
    </message>
    <message>
        <source>The file %1 could not be written: %2</source>
        <translation>Impossible d’écrire le fichier %1 : %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Autre</translation>
    </message>
    <message>
        <source>%1 %2: %3</source>
        <translation>%1 %2: %3</translation>
    </message>
    <message>
        <source>Period 1</source>
        <translation>Période 1</translation>
    </message>
    <message>
        <source>Period 2</source>
        <translation>Période 2</translation>
    </message>
    <message>
        <source>%1, %2: %3</source>
        <translation>%1, %2: %3</translation>
    </message>
    <message>
        <source>Net Worth (%1)</source>
        <translation>Patrimoine net (%1)</translation>
    </message>
</context>
<context>
    <name>ReportPeriods</name>
    <message>
        <source>This Year vs Last Year</source>
        <translation>Cette année par rapport à l’an dernier</translation>
    </message>
    <message>
        <source>Last Year vs Year Before</source>
        <translation>L’an dernier par rapport à l’année précédente</translation>
    </message>
    <message>
        <source>This Quarter vs Last Quarter</source>
        <translation>Ce trimestre par rapport au précédent</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personnalisé</translation>
    </message>
</context>
<context>
    <name>ReportService</name>
    <message>
        <source>All Accounts (%1)</source>
        <translation>Tous les comptes (%1)</translation>
    </message>
    <message>
        <source>All Accounts</source>
        <translation>Tous les comptes</translation>
    </message>
    <message>
        <source>The file %1 could not be opened for writing: %2</source>
        <translation>Impossible d’ouvrir le fichier %1 en écriture : %2</translation>
    </message>
    <message>
        <source>The file %1 could not be written: %2</source>
        <translation>Impossible d’écrire le fichier %1 : %2</translation>
    </message>
</context>
<context>
    <name>ReportTable</name>
    <message>
        <source>Month</source>
        <translation>Mois</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>Revenus</translation>
    </message>
    <message>
        <source>Expenses</source>
        <translation>Dépenses</translation>
    </message>
    <message>
        <source>Net</source>
        <translation>Net</translation>
    </message>
    <message>
        <source>Inflows</source>
        <translation>Entrées</translation>
    </message>
    <message>
        <source>Outflows</source>
        <translation>Sorties</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Bénéficiaire</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Tax Code</source>
        <translation>Code fiscal</translation>
    </message>
    <message>
        <source>too large</source>
        <translation>trop grand</translation>
    </message>
    <message>
        <source>Period 1</source>
        <translation>Période 1</translation>
    </message>
    <message>
        <source>Period 2</source>
        <translation>Période 2</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Écart</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Compte</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Pointée</translation>
    </message>
    <message>
        <source>Uncleared</source>
        <translation>Non pointée</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Mémo</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>Checking</source>
        <translation>Compte courant</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>Épargne</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>Carte de crédit</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Espèces</translation>
    </message>
    <message>
        <source>Investment</source>
        <translation>Investissement</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Autre</translation>
    </message>
</context>
<context>
    <name>ReportsScreen</name>
    <message>
        <source>Reports</source>
        <translation>Rapports</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exporter en CSV</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Compte :</translation>
    </message>
    <message>
        <source>Period:</source>
        <translation>Période :</translation>
    </message>
    <message>
        <source>Category Spending</source>
        <translation>Dépenses par catégorie</translation>
    </message>
    <message>
        <source>Payee Summary</source>
        <translation>Synthèse par bénéficiaire</translation>
    </message>
    <message>
        <source>Tax Report</source>
        <translation>Rapport fiscal</translation>
    </message>
    <message>
        <source>Income vs Expenses</source>
        <translation>Revenus et dépenses</translation>
    </message>
    <message>
        <source>Cash Flow</source>
        <translation>Flux de trésorerie</translation>
    </message>
    <message>
        <source>Year-over-Year</source>
        <translation>Comparaison annuelle</translation>
    </message>
    <message>
        <source>Account Summary</source>
        <translation>Synthèse des comptes</translation>
    </message>
    <message>
        <source>Transactions</source>
        <translation>Opérations</translation>
    </message>
    <message>
        <source>Compare:</source>
        <translation>Comparer :</translation>
    </message>
    <message>
        <source>P1:</source>
        <translation>P1 :</translation>
    </message>
    <message>
        <source>P2:</source>
        <translation>P2 :</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>Export Failed</source>
        <translation>Échec de l’exportation</translation>
    </message>
    <message>
        <source>The report was not exported.

%1</source>
        <translation>Le rapport n’a pas été exporté.

%1</translation>
    </message>
    <message>
        <source>Show Charts</source>
        <translation>Afficher les graphiques</translation>
    </message>
    <message>
        <source>Export Chart</source>
        <translation>Exporter le graphique</translation>
    </message>
    <message>
        <source>PNG Images (*.png)</source>
        <translation>Images PNG (*.png)</translation>
    </message>
    <message>
        <source>The chart was not exported.

%1</source>
        <translation>Le graphique n’a pas été exporté.

%1</translation>
    </message>
    <message>
        <source>This report has no chart.</source>
        <translation>Ce rapport n’a pas de graphique.</translation>
    </message>
</context>
<context>
    <name>RestoreResult</name>
    <message>
        <source>Import Complete</source>
        <translation>Importation terminée</translation>
    </message>
    <message>
        <source>Import Failed</source>
        <translation>Échec de l’importation</translation>
    </message>
    <message>
        <source>Imported %1 items, skipped %2.</source>
        <translation>%1 éléments importés, %2 ignorés.</translation>
    </message>
    <message numerus="yes">
        <source>

%n error(s) occurred.</source>
        <translation>
            <numerusform>

%n erreur s’est produite.</numerusform>
            <numerusform>

%n erreurs se sont produites.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SampleDataService</name>
    <message>
        <source>Main Checking</source>
        <translation>Compte courant principal</translation>
    </message>
    <message>
        <source>Riverbend Credit Union</source>
        <translation>Riverbend Credit Union</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>Épargne</translation>
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
        <translation>Les données d’exemple sont déjà chargées.</translation>
    </message>
    <message>
        <source>No sample data to clear.</source>
        <translation>Aucune donnée d’exemple à effacer.</translation>
    </message>
    <message numerus="yes">
        <source>The sample data was left in place: %n of your own entries (transactions, recurring transactions or reconciliations, including deleted ones) are in the sample accounts or transfer to them. Removing the sample accounts would take them along.</source>
        <translation>
            <numerusform>Les données d’exemple ont été laissées en place : %n de vos propres entrées (opérations, opérations récurrentes ou rapprochements, y compris supprimés) se trouve dans les comptes d’exemple ou fait un virement vers eux. Supprimer les comptes d’exemple l’emporterait aussi.</numerusform>
            <numerusform>Les données d’exemple ont été laissées en place : %n de vos propres entrées (opérations, opérations récurrentes ou rapprochements, y compris supprimés) se trouvent dans les comptes d’exemple ou font un virement vers eux. Supprimer les comptes d’exemple les emporterait aussi.</numerusform>
        </translation>
    </message>
    <message>
        <source>Brightpath Inc</source>
        <translation>Brightpath Inc</translation>
    </message>
    <message>
        <source>Biweekly paycheck</source>
        <translation>Paie de la quinzaine</translation>
    </message>
    <message>
        <source>Salary / Wages</source>
        <translation>Salaire</translation>
    </message>
    <message>
        <source>Pinecrest Apartments</source>
        <translation>Pinecrest Apartments</translation>
    </message>
    <message>
        <source>February rent</source>
        <translation>Loyer de février</translation>
    </message>
    <message>
        <source>Housing</source>
        <translation>Logement</translation>
    </message>
    <message>
        <source>Rent/Mortgage Payment</source>
        <translation>Loyer/mensualité de prêt</translation>
    </message>
    <message>
        <source>Greenleaf Market</source>
        <translation>Greenleaf Market</translation>
    </message>
    <message>
        <source>Weekly groceries</source>
        <translation>Courses de la semaine</translation>
    </message>
    <message>
        <source>Groceries</source>
        <translation>Courses</translation>
    </message>
    <message>
        <source>Hilltop Gas</source>
        <translation>Hilltop Gas</translation>
    </message>
    <message>
        <source>Fill up</source>
        <translation>Plein d’essence</translation>
    </message>
    <message>
        <source>Transportation</source>
        <translation>Transport</translation>
    </message>
    <message>
        <source>Gas/Fuel</source>
        <translation>Carburant</translation>
    </message>
    <message>
        <source>Lakeside Utilities</source>
        <translation>Lakeside Utilities</translation>
    </message>
    <message>
        <source>Electric bill</source>
        <translation>Facture d’électricité</translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation>Services publics</translation>
    </message>
    <message>
        <source>Electric</source>
        <translation>Électricité</translation>
    </message>
    <message>
        <source>Water bill</source>
        <translation>Facture d’eau</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Eau</translation>
    </message>
    <message>
        <source>Streamline TV</source>
        <translation>Streamline TV</translation>
    </message>
    <message>
        <source>Monthly streaming</source>
        <translation>Streaming mensuel</translation>
    </message>
    <message>
        <source>Entertainment</source>
        <translation>Loisirs</translation>
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
        <translation>Dîner au restaurant</translation>
    </message>
    <message>
        <source>Dining &amp; Restaurants</source>
        <translation>Repas et restaurants</translation>
    </message>
    <message>
        <source>Clearview Insurance</source>
        <translation>Clearview Insurance</translation>
    </message>
    <message>
        <source>Auto insurance</source>
        <translation>Assurance auto</translation>
    </message>
    <message>
        <source>Insurance</source>
        <translation>Assurances</translation>
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
        <translation>Don mensuel</translation>
    </message>
    <message>
        <source>Charitable Donations</source>
        <translation>Dons caritatifs</translation>
    </message>
    <message>
        <source>Transfer to Savings</source>
        <translation>Transfer to Savings</translation>
    </message>
    <message>
        <source>Monthly savings</source>
        <translation>Épargne mensuelle</translation>
    </message>
    <message>
        <source>March rent</source>
        <translation>Loyer de mars</translation>
    </message>
    <message>
        <source>NetConnect ISP</source>
        <translation>NetConnect ISP</translation>
    </message>
    <message>
        <source>Internet service</source>
        <translation>Abonnement internet</translation>
    </message>
    <message>
        <source>Internet</source>
        <translation>Internet</translation>
    </message>
    <message>
        <source>Lunch</source>
        <translation>Déjeuner</translation>
    </message>
    <message>
        <source>Ridgeline Pharmacy</source>
        <translation>Ridgeline Pharmacy</translation>
    </message>
    <message>
        <source>Prescriptions</source>
        <translation>Ordonnances</translation>
    </message>
    <message>
        <source>Medical Expenses</source>
        <translation>Frais médicaux</translation>
    </message>
    <message>
        <source>Coffee &amp; pastry</source>
        <translation>Café et viennoiserie</translation>
    </message>
    <message>
        <source>Interest payment</source>
        <translation>Versement des intérêts</translation>
    </message>
    <message>
        <source>Interest Income</source>
        <translation>Intérêts perçus</translation>
    </message>
    <message>
        <source>Dash Delivery</source>
        <translation>Dash Delivery</translation>
    </message>
    <message>
        <source>Food delivery</source>
        <translation>Livraison de repas</translation>
    </message>
    <message>
        <source>Gadget World</source>
        <translation>Gadget World</translation>
    </message>
    <message>
        <source>Phone case</source>
        <translation>Coque de téléphone</translation>
    </message>
    <message>
        <source>Shopping</source>
        <translation>Achats</translation>
    </message>
    <message>
        <source>Electronics</source>
        <translation>Électronique</translation>
    </message>
    <message>
        <source>CloudWatch Plus</source>
        <translation>CloudWatch Plus</translation>
    </message>
    <message>
        <source>Cloud storage plan</source>
        <translation>Forfait de stockage en ligne</translation>
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
        <translation>Paiement de la carte de crédit</translation>
    </message>
    <message>
        <source>Stellar Coffee</source>
        <translation>Stellar Coffee</translation>
    </message>
    <message>
        <source>Coffee beans</source>
        <translation>Café en grains</translation>
    </message>
    <message>
        <source>BookNest Online</source>
        <translation>BookNest Online</translation>
    </message>
    <message>
        <source>Programming books</source>
        <translation>Livres de programmation</translation>
    </message>
    <message>
        <source>Education Expenses</source>
        <translation>Frais de scolarité</translation>
    </message>
    <message>
        <source>TechVault</source>
        <translation>TechVault</translation>
    </message>
    <message>
        <source>USB hub</source>
        <translation>Hub USB</translation>
    </message>
    <message>
        <source>Monthly rent</source>
        <translation>Loyer mensuel</translation>
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
        <translation>Compte</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Bénéficiaire</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Mémo</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
</context>
<context>
    <name>SearchScreen</name>
    <message>
        <source>The transactions could not be read.</source>
        <translation>Impossible de lire les opérations.</translation>
    </message>
    <message>
        <source>Search payee, memo, check number...</source>
        <translation>Rechercher un bénéficiaire, un mémo, un n° de chèque...</translation>
    </message>
    <message>
        <source>Date range:</source>
        <translation>Plage de dates :</translation>
    </message>
    <message>
        <source>Cleared only</source>
        <translation>Pointées uniquement</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Compte :</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Catégorie :</translation>
    </message>
    <message>
        <source>to</source>
        <translation>à</translation>
    </message>
    <message>
        <source>All Accounts</source>
        <translation>Tous les comptes</translation>
    </message>
    <message>
        <source>All Categories</source>
        <translation>Toutes les catégories</translation>
    </message>
</context>
<context>
    <name>SettingsScreen</name>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Registre</translation>
    </message>
    <message>
        <source>Data &amp; Sync</source>
        <translation>Données et synchronisation</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message numerus="yes">
        <source>…and %n more.</source>
        <translation>
            <numerusform>…et %n autre.</numerusform>
            <numerusform>…et %n autres.</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing was restored; your data is as it was.</source>
        <translation>Rien n’a été restauré ; vos données sont restées telles quelles.</translation>
    </message>
    <message>
        <source>Language Changed</source>
        <translation>Langue modifiée</translation>
    </message>
    <message>
        <source>The new language will take effect the next time you start Kestrelwood Checkbook.</source>
        <translation>La nouvelle langue s’appliquera au prochain démarrage de Kestrelwood Checkbook.</translation>
    </message>
    <message>
        <source>Export Backup</source>
        <translation>Exporter une sauvegarde</translation>
    </message>
    <message>
        <source>ZIP Files (*.zip)</source>
        <translation>Fichiers ZIP (*.zip)</translation>
    </message>
    <message>
        <source>Exporting...</source>
        <translation>Exportation...</translation>
    </message>
    <message>
        <source>Import Backup</source>
        <translation>Importer une sauvegarde</translation>
    </message>
    <message>
        <source>Import Mode</source>
        <translation>Mode d’importation</translation>
    </message>
    <message>
        <source>How should existing data be handled?</source>
        <translation>Que faire des données existantes ?</translation>
    </message>
    <message>
        <source>Importing...</source>
        <translation>Importation...</translation>
    </message>
    <message>
        <source>Restore Failed</source>
        <translation>Échec de la restauration</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Apparence</translation>
    </message>
    <message>
        <source>Control how Kestrelwood Checkbook looks.</source>
        <translation>Choisissez l’apparence de Kestrelwood Checkbook.</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>Valeur du système</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Clair</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Sombre</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Thème</translation>
    </message>
    <message>
        <source>Regional</source>
        <translation>Région</translation>
    </message>
    <message>
        <source>Date and calendar preferences.</source>
        <translation>Préférences de date et de calendrier.</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Dimanche</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Lundi</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Samedi</translation>
    </message>
    <message>
        <source>Week starts on</source>
        <translation>La semaine commence le</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>How transactions appear in the register.</source>
        <translation>Comment les opérations apparaissent dans le registre.</translation>
    </message>
    <message>
        <source>Two-line rows</source>
        <translation>Lignes sur deux niveaux</translation>
    </message>
    <message>
        <source>Show memo on a second line below the payee.</source>
        <translation>Affiche le mémo sur une seconde ligne sous le bénéficiaire.</translation>
    </message>
    <message>
        <source>Sorting</source>
        <translation>Tri</translation>
    </message>
    <message>
        <source>Control the order of transactions in the register.</source>
        <translation>Choisissez l’ordre des opérations dans le registre.</translation>
    </message>
    <message>
        <source>Show newest transactions first</source>
        <translation>Afficher d’abord les opérations les plus récentes</translation>
    </message>
    <message>
        <source>When enabled, the most recent transactions appear at the top.</source>
        <translation>Si activé, les opérations les plus récentes apparaissent en haut.</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>The setting could not be saved. It applies until the program closes, and the data file may be full or read-only.</source>
        <translation>Le réglage n’a pas pu être enregistré. Il s’applique jusqu’à la fermeture du programme ; le disque est peut-être plein ou le fichier de données en lecture seule.</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Synchronisation</translation>
    </message>
    <message>
        <source>Keep your checkbook in sync across all your devices.</source>
        <translation>Gardez votre chéquier synchronisé sur tous vos appareils.</translation>
    </message>
    <message>
        <source>Sync Now</source>
        <translation>Synchroniser maintenant</translation>
    </message>
    <message>
        <source>Force Full Sync</source>
        <translation>Forcer une synchronisation complète</translation>
    </message>
    <message>
        <source>Backup &amp; Restore</source>
        <translation>Sauvegarde et restauration</translation>
    </message>
    <message>
        <source>Save or restore your data to a portable backup file.</source>
        <translation>Enregistrez ou restaurez vos données dans un fichier de sauvegarde portable.</translation>
    </message>
    <message>
        <source>Deleted Accounts</source>
        <translation>Comptes supprimés</translation>
    </message>
    <message>
        <source>Accounts you&apos;ve deleted can be restored here.</source>
        <translation>Les comptes que vous avez supprimés peuvent être restaurés ici.</translation>
    </message>
    <message>
        <source>Restore Selected</source>
        <translation>Restaurer la sélection</translation>
    </message>
    <message>
        <source>Kestrelwood Checkbook</source>
        <translation>Kestrelwood Checkbook</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>Liens</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Site web</translation>
    </message>
    <message>
        <source>Help and user guide</source>
        <translation>Aide et guide d’utilisation</translation>
    </message>
    <message>
        <source>Privacy policy</source>
        <translation>Politique de confidentialité</translation>
    </message>
    <message>
        <source>Not signed in.
Sign in via File › Sign In to enable sync.</source>
        <translation>Non connecté.
Connectez-vous via Fichier › Se connecter pour activer la synchronisation.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Signed in as:&lt;/b&gt; %1&lt;br&gt;&lt;b&gt;Status:&lt;/b&gt; &lt;span style=&quot;color:%2&quot;&gt;%3&lt;/span&gt;</source>
        <translation>&lt;b&gt;Connecté en tant que :&lt;/b&gt; %1&lt;br&gt;&lt;b&gt;État :&lt;/b&gt; &lt;span style=&quot;color:%2&quot;&gt;%3&lt;/span&gt;</translation>
    </message>
    <message>
        <source>Sync paused</source>
        <translation>Synchronisation en pause</translation>
    </message>
    <message>
        <source>Never synced</source>
        <translation>Jamais synchronisé</translation>
    </message>
    <message>
        <source>Last synced: %1</source>
        <translation>Dernière synchronisation : %1</translation>
    </message>
    <message>
        <source>
Error: %1</source>
        <translation>
Erreur : %1</translation>
    </message>
    <message>
        <source>This will re-upload every local row to the server and re-download all server data. Use this if data appears out of sync between devices.

Continue?</source>
        <translation>Toutes les lignes locales seront renvoyées au serveur et toutes les données du serveur seront téléchargées à nouveau. Utilisez ceci si les données semblent désynchronisées entre les appareils.

Continuer ?</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>Synchronisation...</translation>
    </message>
</context>
<context>
    <name>SmartAmountField</name>
    <message>
        <source>Amounts can be at most %1.</source>
        <translation>Les montants ne peuvent pas dépasser %1.</translation>
    </message>
</context>
<context>
    <name>SmartDateEdit</name>
    <message>
        <source>Open calendar (F4)</source>
        <translation>Ouvrir le calendrier (F4)</translation>
    </message>
</context>
<context>
    <name>StatusBar</name>
    <message>
        <source>Offline</source>
        <translation>Hors ligne</translation>
    </message>
    <message numerus="yes">
        <source>%n account(s)</source>
        <translation>
            <numerusform>%n compte</numerusform>
            <numerusform>%n comptes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>  •  %n recurring due</source>
        <translation>
            <numerusform>  •  %n opération récurrente à passer</numerusform>
            <numerusform>  •  %n opérations récurrentes à passer</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SyncEngine</name>
    <message>
        <source>Synced</source>
        <translation>Synchronisé</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>Synchronisation...</translation>
    </message>
    <message>
        <source>Sync error</source>
        <translation>Erreur de synchronisation</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>Hors ligne</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Inconnu</translation>
    </message>
    <message>
        <source>Push failed (HTTP %1)</source>
        <translation>Échec de l&apos;envoi (HTTP %1)</translation>
    </message>
    <message>
        <source>Pull failed (HTTP %1)</source>
        <translation>Échec de la réception (HTTP %1)</translation>
    </message>
    <message>
        <source>The downloaded changes could not be stored; they are downloaded again at the next sync.</source>
        <translation>Les modifications téléchargées n&apos;ont pas pu être enregistrées ; elles seront téléchargées de nouveau à la prochaine synchronisation.</translation>
    </message>
    <message>
        <source>The uploaded changes could not be marked as sent; they are sent again at the next sync.</source>
        <translation>Les modifications envoyées n’ont pas pu être marquées comme envoyées ; elles seront renvoyées à la prochaine synchronisation.</translation>
    </message>
</context>
<context>
    <name>TransactionFormDialog</name>
    <message>
        <source>Edit Transaction</source>
        <translation>Modifier l&apos;opération</translation>
    </message>
    <message>
        <source>New Transaction</source>
        <translation>Nouvelle opération</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Type :</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Date :</translation>
    </message>
    <message>
        <source>Payee:</source>
        <translation>Bénéficiaire :</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Montant :</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Catégorie :</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>Facultatif</translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation>Mémo :</translation>
    </message>
    <message>
        <source>Check #:</source>
        <translation>N° de chèque :</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Pointée</translation>
    </message>
    <message>
        <source>Payee is required</source>
        <translation>Le bénéficiaire est obligatoire</translation>
    </message>
    <message>
        <source>Enter a payment or deposit amount</source>
        <translation>Saisissez un montant de paiement ou de dépôt</translation>
    </message>
    <message>
        <source>Enter a valid date, such as %1</source>
        <translation>Saisissez une date valide, par exemple %1</translation>
    </message>
</context>
<context>
    <name>TransactionService</name>
    <message>
        <source>The account no longer exists.</source>
        <translation>Le compte n’existe plus.</translation>
    </message>
    <message>
        <source>This transaction was changed elsewhere after you started editing it.</source>
        <translation>Cette opération a été modifiée ailleurs après que vous avez commencé à la modifier.</translation>
    </message>
    <message>
        <source>This transaction was deleted elsewhere after you started editing it.</source>
        <translation>Cette opération a été supprimée ailleurs après que vous avez commencé à la modifier.</translation>
    </message>
    <message>
        <source>Transfer to %1</source>
        <translation>Transfer to %1</translation>
    </message>
    <message>
        <source>This transaction was deleted elsewhere.</source>
        <translation>Cette opération a été supprimée ailleurs.</translation>
    </message>
    <message>
        <source>Transfer account not found</source>
        <translation>Compte du virement introuvable</translation>
    </message>
    <message>
        <source>Transfers require both accounts to use the same currency</source>
        <translation>Les virements exigent que les deux comptes utilisent la même devise</translation>
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
        <translation>Se déconnecter</translation>
    </message>
    <message>
        <source>Already have an account? Sign In</source>
        <translation>Vous avez déjà un compte&#xa0;? Se connecter</translation>
    </message>
    <message>
        <source>Multi-Device Sync</source>
        <translation>Synchronisation multi-appareils</translation>
    </message>
    <message>
        <source>Keep your checkbook in sync between your phone, tablet, and computer.</source>
        <translation>Gardez votre chéquier synchronisé entre votre téléphone, votre tablette et votre ordinateur.</translation>
    </message>
    <message>
        <source>Family Sharing</source>
        <translation>Partage familial</translation>
    </message>
    <message>
        <source>Share accounts with family members. Everyone sees the same register in real time.</source>
        <translation>Partagez des comptes avec les membres de votre famille. Tout le monde voit le même registre en temps réel.</translation>
    </message>
    <message>
        <source>Secure &amp; Private</source>
        <translation>Sécurisé et privé</translation>
    </message>
    <message>
        <source>Your data is encrypted in transit and at rest. We never sell your data or show ads.</source>
        <translation>Vos données sont chiffrées en transit et au repos. Nous ne vendons jamais vos données et n’affichons aucune publicité.</translation>
    </message>
    <message>
        <source>Kestrelwood Checkbook</source>
        <translation>Kestrelwood Checkbook</translation>
    </message>
    <message>
        <source>Your finances, everywhere.</source>
        <translation>Vos finances, partout.</translation>
    </message>
    <message>
        <source>Opens in your web browser</source>
        <translation>S’ouvre dans votre navigateur web</translation>
    </message>
    <message>
        <source>Continue Without an Account</source>
        <translation>Continuer sans compte</translation>
    </message>
</context>
</TS>
