<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AboutText</name>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>A digital checkbook register for tracking household finances.</source>
        <translation>Un registro de chequera digital para llevar las finanzas del hogar.</translation>
    </message>
    <message>
        <source>This program uses the Qt framework under the GNU Lesser General Public License, version 3. The source code of Qt is available at %1.</source>
        <translation>Este programa usa el framework Qt bajo la GNU Lesser General Public License, versión 3. El código fuente de Qt está disponible en %1.</translation>
    </message>
</context>
<context>
    <name>AccountFormDialog</name>
    <message>
        <source>Edit Account</source>
        <translation>Editar cuenta</translation>
    </message>
    <message>
        <source>New Account</source>
        <translation>Nueva cuenta</translation>
    </message>
    <message>
        <source>Account name</source>
        <translation>Nombre de la cuenta</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nombre:</translation>
    </message>
    <message>
        <source>Checking</source>
        <translation>Corriente</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>Ahorros</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>Tarjeta de crédito</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Efectivo</translation>
    </message>
    <message>
        <source>Investment</source>
        <translation>Inversión</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Otra</translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation>&amp;Tipo:</translation>
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
        <translation>&amp;Moneda:</translation>
    </message>
    <message>
        <source>Starting &amp;Balance:</source>
        <translation>Saldo &amp;inicial:</translation>
    </message>
    <message>
        <source>&amp;As of:</source>
        <translation>A &amp;fecha de:</translation>
    </message>
    <message>
        <source>Bank name (optional)</source>
        <translation>Nombre del banco (opcional)</translation>
    </message>
    <message>
        <source>&amp;Institution:</source>
        <translation>&amp;Entidad:</translation>
    </message>
    <message>
        <source>Last 4 digits (optional)</source>
        <translation>Últimos 4 dígitos (opcional)</translation>
    </message>
    <message>
        <source>Account &amp;Number:</source>
        <translation>Número de &amp;cuenta:</translation>
    </message>
</context>
<context>
    <name>AccountService</name>
    <message>
        <source>An account needs a name.</source>
        <translation>Una cuenta necesita un nombre.</translation>
    </message>
    <message>
        <source>The currency can&apos;t be changed between yen and another currency while the account holds amounts: yen have no cents, so every amount would become a hundred times larger or smaller.</source>
        <translation>No se puede cambiar la moneda entre yenes y otra moneda mientras la cuenta tenga importes: el yen no tiene céntimos, así que cada importe se volvería cien veces mayor o menor.</translation>
    </message>
    <message>
        <source>Another account is already named &quot;%1&quot;. Please choose another name.</source>
        <translation>Ya hay otra cuenta llamada «%1». Elija otro nombre.</translation>
    </message>
    <message>
        <source>This account is no longer among the deleted accounts.</source>
        <translation>Esta cuenta ya no está entre las cuentas eliminadas.</translation>
    </message>
    <message>
        <source>Another account is now named &quot;%1&quot;. Rename that account first, then restore this one.</source>
        <translation>Otra cuenta se llama ahora «%1». Cambie primero el nombre de esa cuenta y luego restaure esta.</translation>
    </message>
</context>
<context>
    <name>AccountSharingService</name>
    <message>
        <source>Failed to share account (HTTP %1)</source>
        <translation>No se pudo compartir la cuenta (HTTP %1)</translation>
    </message>
</context>
<context>
    <name>AccountSidebar</name>
    <message>
        <source>Checking</source>
        <translation>Corriente</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>Ahorros</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>Tarjeta de crédito</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Efectivo</translation>
    </message>
    <message>
        <source>Investment</source>
        <translation>Inversión</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Otra</translation>
    </message>
    <message>
        <source>Unavailable</source>
        <translation>No disponible</translation>
    </message>
    <message>
        <source>The balance could not be read from the database.</source>
        <translation>No se pudo leer el saldo de la base de datos.</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Desbordamiento</translation>
    </message>
    <message>
        <source>The balance is too large to show.</source>
        <translation>El saldo es demasiado grande para mostrarlo.</translation>
    </message>
    <message>
        <source>No accounts</source>
        <translation>Sin cuentas</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <translation>Total: %1</translation>
    </message>
    <message>
        <source>New Account...</source>
        <translation>Nueva cuenta...</translation>
    </message>
    <message>
        <source>Edit &quot;%1&quot;...</source>
        <translation>Editar «%1»...</translation>
    </message>
    <message>
        <source>Reconcile...</source>
        <translation>Conciliar...</translation>
    </message>
    <message>
        <source>Reconciliation History...</source>
        <translation>Historial de conciliaciones...</translation>
    </message>
    <message>
        <source>Rename Payees...</source>
        <translation>Renombrar beneficiarios...</translation>
    </message>
    <message>
        <source>Share...</source>
        <translation>Compartir...</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;</source>
        <translation>Eliminar «%1»</translation>
    </message>
    <message>
        <source>The account order could not be saved</source>
        <translation>No se pudo guardar el orden de las cuentas</translation>
    </message>
</context>
<context>
    <name>AnotherUserDialog</name>
    <message>
        <source>Different Account</source>
        <translation>Otra cuenta</translation>
    </message>
    <message>
        <source>The books on this device were last synced with a different Kestrelwood account.</source>
        <translation>Los datos de este equipo se sincronizaron por última vez con otra cuenta de Kestrelwood.</translation>
    </message>
    <message>
        <source>Add this device&apos;s accounts and transactions to the account you just signed in with, or sign out. Nothing on this device is deleted either way; until you choose, nothing is synced.</source>
        <translation>Añada las cuentas y los movimientos de este equipo a la cuenta con la que acaba de iniciar sesión, o cierre la sesión. En ningún caso se borra nada de este equipo; hasta que elija, no se sincroniza nada.</translation>
    </message>
    <message>
        <source>Add to This Account</source>
        <translation>Añadir a esta cuenta</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>Cerrar sesión</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Database Error</source>
        <translation>Error de base de datos</translation>
    </message>
    <message>
        <source>Failed to initialize the database.

Data directory: %1

%2</source>
        <translation>No se pudo inicializar la base de datos.

Carpeta de datos: %1

%2</translation>
    </message>
    <message>
        <source>The data file is damaged. It was left as it is; nothing more was written to it.</source>
        <translation>El archivo de datos está dañado. Se ha dejado tal como está; no se ha escrito nada más en él.</translation>
    </message>
    <message>
        <source>The data file was made by a newer version of Kestrelwood Checkbook. Please use that version to open it.</source>
        <translation>El archivo de datos fue creado por una versión más reciente de Kestrelwood Checkbook. Ábralo con esa versión.</translation>
    </message>
    <message>
        <source>The data file was not made by Kestrelwood Checkbook. It was left as it is.</source>
        <translation>El archivo de datos no fue creado por Kestrelwood Checkbook. Se ha dejado tal como está.</translation>
    </message>
    <message>
        <source>The data file does not record which version of Kestrelwood Checkbook made it, so it cannot be upgraded safely. It was left as it is.</source>
        <translation>El archivo de datos no indica qué versión de Kestrelwood Checkbook lo creó, por lo que no se puede actualizar con seguridad. Se ha dejado tal como está.</translation>
    </message>
    <message>
        <source>The data file is in use by another program. Please close that program and try again.</source>
        <translation>Otro programa está usando el archivo de datos. Cierre ese programa e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>The disk is full. Please free some space and try again.</source>
        <translation>El disco está lleno. Libere espacio e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Please check file permissions and try again.</source>
        <translation>Compruebe los permisos de los archivos e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>The data file was made by an older version of Kestrelwood Checkbook. Open the program once to bring it up to date, then try again.</source>
        <translation>El archivo de datos lo creó una versión anterior de Kestrelwood Checkbook. Abra el programa una vez para actualizarlo y vuelva a intentarlo.</translation>
    </message>
</context>
<context>
    <name>BackupArchiveReader</name>
    <message>
        <source>Failed to open ZIP archive</source>
        <translation>No se pudo abrir el archivo ZIP</translation>
    </message>
    <message numerus="yes">
        <source>The archive would unpack to more than %n GB.</source>
        <translation>
            <numerusform>El archivo comprimido ocuparía más de %n GB al descomprimirse.</numerusform>
            <numerusform>El archivo comprimido ocuparía más de %n GB al descomprimirse.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: unsafe entry name</source>
        <translation>%1: nombre de entrada no seguro</translation>
    </message>
    <message>
        <source>%1: encrypted or compressed in an unknown way</source>
        <translation>%1: cifrado o comprimido de un modo desconocido</translation>
    </message>
    <message>
        <source>%1: larger than any row file</source>
        <translation>%1: más grande que cualquier archivo de filas</translation>
    </message>
    <message>
        <source>%1: compressed beyond any row file (a zip bomb)</source>
        <translation>%1: más comprimido que cualquier archivo de filas (una bomba ZIP)</translation>
    </message>
    <message>
        <source>%1: unreadable</source>
        <translation>%1: ilegible</translation>
    </message>
    <message>
        <source>%1: damaged</source>
        <translation>%1: dañado</translation>
    </message>
    <message>
        <source>%1: does not unpack to the size the archive states</source>
        <translation>%1: no se descomprime al tamaño que indica el archivo comprimido</translation>
    </message>
</context>
<context>
    <name>BackupService</name>
    <message>
        <source>Replace all with backup data</source>
        <translation>Reemplazar todo con los datos de la copia de seguridad</translation>
    </message>
    <message>
        <source>Keep newer (compare timestamps)</source>
        <translation>Conservar los más recientes (comparar marcas de tiempo)</translation>
    </message>
    <message>
        <source>Skip existing items</source>
        <translation>Omitir los elementos existentes</translation>
    </message>
    <message>
        <source>The data file could not be read.</source>
        <translation>No se pudo leer el archivo de datos.</translation>
    </message>
    <message>
        <source>The archive could not be written. %1</source>
        <translation>No se pudo escribir el archivo comprimido. %1</translation>
    </message>
    <message>
        <source>The export was cancelled.</source>
        <translation>Se canceló la exportación.</translation>
    </message>
    <message>
        <source>The table %1 could not be read. %2</source>
        <translation>No se pudo leer la tabla %1. %2</translation>
    </message>
    <message>
        <source>Could not read file.</source>
        <translation>No se pudo leer el archivo.</translation>
    </message>
    <message>
        <source>The restored rows could not be saved. %1</source>
        <translation>No se pudieron guardar las filas restauradas. %1</translation>
    </message>
    <message>
        <source>Invalid backup: missing manifest.json</source>
        <translation>Copia de seguridad no válida: falta manifest.json</translation>
    </message>
    <message>
        <source>%1: invalid JSON</source>
        <translation>%1: JSON no válido</translation>
    </message>
    <message>
        <source>Unsupported backup version: %1</source>
        <translation>Versión de copia de seguridad no compatible: %1</translation>
    </message>
    <message>
        <source>%1: not part of a backup</source>
        <translation>%1: no forma parte de una copia de seguridad</translation>
    </message>
    <message>
        <source>The table %1 could not be read.</source>
        <translation>No se pudo leer la tabla %1.</translation>
    </message>
    <message>
        <source>The restore was cancelled; nothing was changed.</source>
        <translation>Se canceló la restauración; no se ha cambiado nada.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is no column of %3</source>
        <translation>%1: «%2» no es una columna de %3</translation>
    </message>
    <message>
        <source>%1: the value of &quot;%2&quot; cannot be stored</source>
        <translation>%1: no se puede guardar el valor de «%2»</translation>
    </message>
    <message>
        <source>%1: the row has no id</source>
        <translation>%1: la fila no tiene id</translation>
    </message>
    <message>
        <source>%1: the row could not be written: %2</source>
        <translation>%1: no se pudo escribir la fila: %2</translation>
    </message>
    <message>
        <source>The restored rows could not be checked.</source>
        <translation>No se pudieron comprobar las filas restauradas.</translation>
    </message>
    <message>
        <source>%1: refers to a row that is neither in the backup nor in the register</source>
        <translation>%1: hace referencia a una fila que no está ni en la copia de seguridad ni en el registro</translation>
    </message>
</context>
<context>
    <name>BlockingProgressDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>CategoriesScreen</name>
    <message>
        <source>New Category</source>
        <translation>Nueva categoría</translation>
    </message>
    <message>
        <source>Edit Category</source>
        <translation>Editar categoría</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;? Transactions using this category will become uncategorized.</source>
        <translation>¿Eliminar «%1»? Los movimientos con esta categoría quedarán sin categoría.</translation>
    </message>
    <message>
        <source>Delete Category</source>
        <translation>Eliminar categoría</translation>
    </message>
    <message>
        <source>The category could not be deleted.

%1</source>
        <translation>No se pudo eliminar la categoría.

%1</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Categorías</translation>
    </message>
    <message>
        <source>+ New Category</source>
        <translation>+ Nueva categoría</translation>
    </message>
    <message>
        <source>&amp;New Category</source>
        <translation>&amp;Nueva categoría</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>E&amp;liminar</translation>
    </message>
</context>
<context>
    <name>CategoryNameDialog</name>
    <message>
        <source>Category name:</source>
        <translation>Nombre de la categoría:</translation>
    </message>
    <message>
        <source>The category could not be saved.

%1</source>
        <translation>No se pudo guardar la categoría.

%1</translation>
    </message>
</context>
<context>
    <name>CategoryService</name>
    <message>
        <source>Charitable Donations</source>
        <translation>Donaciones benéficas</translation>
    </message>
    <message>
        <source>Medical Expenses</source>
        <translation>Gastos médicos</translation>
    </message>
    <message>
        <source>Business Expenses</source>
        <translation>Gastos de negocio</translation>
    </message>
    <message>
        <source>Home Office</source>
        <translation>Oficina en casa</translation>
    </message>
    <message>
        <source>Education Expenses</source>
        <translation>Gastos de educación</translation>
    </message>
    <message>
        <source>State &amp; Local Taxes</source>
        <translation>Impuestos estatales y locales</translation>
    </message>
    <message>
        <source>Mortgage Interest</source>
        <translation>Intereses hipotecarios</translation>
    </message>
    <message>
        <source>Property Tax</source>
        <translation>Impuesto sobre la propiedad</translation>
    </message>
    <message>
        <source>Housing</source>
        <translation>Vivienda</translation>
    </message>
    <message>
        <source>Rent/Mortgage Payment</source>
        <translation>Alquiler/hipoteca</translation>
    </message>
    <message>
        <source>Maintenance</source>
        <translation>Mantenimiento</translation>
    </message>
    <message>
        <source>HOA</source>
        <translation>Comunidad de propietarios</translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation>Suministros</translation>
    </message>
    <message>
        <source>Electric</source>
        <translation>Electricidad</translation>
    </message>
    <message>
        <source>Gas</source>
        <translation>Gas</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Agua</translation>
    </message>
    <message>
        <source>Internet</source>
        <translation>Internet</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Teléfono</translation>
    </message>
    <message>
        <source>Transportation</source>
        <translation>Transporte</translation>
    </message>
    <message>
        <source>Gas/Fuel</source>
        <translation>Gasolina/combustible</translation>
    </message>
    <message>
        <source>Car Payment</source>
        <translation>Pago del coche</translation>
    </message>
    <message>
        <source>Auto Insurance</source>
        <translation>Seguro del coche</translation>
    </message>
    <message>
        <source>Public Transit</source>
        <translation>Transporte público</translation>
    </message>
    <message>
        <source>Groceries</source>
        <translation>Supermercado</translation>
    </message>
    <message>
        <source>Dining &amp; Restaurants</source>
        <translation>Comidas y restaurantes</translation>
    </message>
    <message>
        <source>Personal Care</source>
        <translation>Cuidado personal</translation>
    </message>
    <message>
        <source>Pets</source>
        <translation>Mascotas</translation>
    </message>
    <message>
        <source>Subscriptions</source>
        <translation>Suscripciones</translation>
    </message>
    <message>
        <source>Gifts</source>
        <translation>Regalos</translation>
    </message>
    <message>
        <source>Miscellaneous</source>
        <translation>Varios</translation>
    </message>
    <message>
        <source>Entertainment</source>
        <translation>Ocio</translation>
    </message>
    <message>
        <source>Streaming</source>
        <translation>Streaming</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>Cine</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Eventos</translation>
    </message>
    <message>
        <source>Shopping</source>
        <translation>Compras</translation>
    </message>
    <message>
        <source>Clothing</source>
        <translation>Ropa</translation>
    </message>
    <message>
        <source>Electronics</source>
        <translation>Electrónica</translation>
    </message>
    <message>
        <source>Household</source>
        <translation>Hogar</translation>
    </message>
    <message>
        <source>Insurance</source>
        <translation>Seguros</translation>
    </message>
    <message>
        <source>Health</source>
        <translation>Salud</translation>
    </message>
    <message>
        <source>Life</source>
        <translation>Vida</translation>
    </message>
    <message>
        <source>Home/Renters</source>
        <translation>Hogar/inquilino</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Automóvil</translation>
    </message>
    <message>
        <source>Fees &amp; Charges</source>
        <translation>Comisiones y cargos</translation>
    </message>
    <message>
        <source>Bank Fees</source>
        <translation>Comisiones bancarias</translation>
    </message>
    <message>
        <source>ATM Fees</source>
        <translation>Comisiones de cajero</translation>
    </message>
    <message>
        <source>Late Fees</source>
        <translation>Recargos por demora</translation>
    </message>
    <message>
        <source>Salary / Wages</source>
        <translation>Salario / sueldo</translation>
    </message>
    <message>
        <source>Interest Income</source>
        <translation>Ingresos por intereses</translation>
    </message>
    <message>
        <source>Dividend Income</source>
        <translation>Dividendos</translation>
    </message>
    <message>
        <source>Rental Income</source>
        <translation>Ingresos por alquiler</translation>
    </message>
    <message>
        <source>Freelance / Consulting</source>
        <translation>Autónomo / consultoría</translation>
    </message>
    <message>
        <source>Refunds</source>
        <translation>Reembolsos</translation>
    </message>
    <message>
        <source>Gifts Received</source>
        <translation>Regalos recibidos</translation>
    </message>
    <message>
        <source>Other Income</source>
        <translation>Otros ingresos</translation>
    </message>
    <message>
        <source>This category has been deleted in the meantime.</source>
        <translation>Esta categoría se ha eliminado mientras tanto.</translation>
    </message>
    <message>
        <source>Type a name for the category.</source>
        <translation>Escriba un nombre para la categoría.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; already has a category named &quot;%2&quot;.</source>
        <translation>«%1» ya tiene una categoría llamada «%2».</translation>
    </message>
    <message>
        <source>There is already a top-level category named &quot;%1&quot;.</source>
        <translation>Ya hay una categoría principal llamada «%1».</translation>
    </message>
</context>
<context>
    <name>CategoryTreeModel</name>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Tax Code</source>
        <translation>Código fiscal</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>No se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>Cannot write to standard output: %1</source>
        <translation>No se puede escribir en la salida estándar: %1</translation>
    </message>
    <message>
        <source>The data file could not be read. %1</source>
        <translation>No se pudo leer el archivo de datos. %1</translation>
    </message>
    <message>
        <source>The transactions could not be read.</source>
        <translation>No se pudieron leer los movimientos.</translation>
    </message>
    <message>
        <source>This report needs --%1 yyyy-MM-dd.</source>
        <translation>Este informe necesita --%1 yyyy-MM-dd.</translation>
    </message>
    <message>
        <source>--%1 needs a date written yyyy-MM-dd, not &quot;%2&quot;.</source>
        <translation>--%1 necesita una fecha con el formato yyyy-MM-dd, no «%2».</translation>
    </message>
    <message>
        <source>--%1 is before --%2.</source>
        <translation>--%1 es anterior a --%2.</translation>
    </message>
    <message>
        <source>Unknown report &quot;%1&quot;. The reports are: %2.</source>
        <translation>Informe desconocido «%1». Los informes son: %2.</translation>
    </message>
    <message>
        <source>There is no account named &quot;%1&quot;.</source>
        <translation>No hay ninguna cuenta llamada «%1».</translation>
    </message>
    <message>
        <source>Find the transactions matching &lt;text&gt;.</source>
        <translation>Busca los movimientos que coinciden con &lt;texto&gt;.</translation>
    </message>
    <message>
        <source>text</source>
        <translation>texto</translation>
    </message>
    <message>
        <source>Write the report &lt;kind&gt;, such as category_spending.</source>
        <translation>Escribe el informe &lt;tipo&gt;, por ejemplo category_spending.</translation>
    </message>
    <message>
        <source>kind</source>
        <translation>tipo</translation>
    </message>
    <message>
        <source>The report&apos;s first day.</source>
        <translation>El primer día del informe.</translation>
    </message>
    <message>
        <source>yyyy-MM-dd</source>
        <translation>yyyy-MM-dd</translation>
    </message>
    <message>
        <source>The report&apos;s last day.</source>
        <translation>El último día del informe.</translation>
    </message>
    <message>
        <source>Year over year: the second period&apos;s first day.</source>
        <translation>Comparación interanual: el primer día del segundo periodo.</translation>
    </message>
    <message>
        <source>Year over year: the second period&apos;s last day.</source>
        <translation>Comparación interanual: el último día del segundo periodo.</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nombre</translation>
    </message>
    <message>
        <source>Write the CSV to &lt;file&gt;.</source>
        <translation>Escribe el CSV en &lt;archivo&gt;.</translation>
    </message>
    <message>
        <source>file</source>
        <translation>archivo</translation>
    </message>
    <message>
        <source>Save a backup of the register as the ZIP archive &lt;file&gt;.</source>
        <translation>Guarda una copia de seguridad del registro como el archivo ZIP &lt;archivo&gt;.</translation>
    </message>
    <message>
        <source>Restore the backup archive &lt;file&gt;.</source>
        <translation>Restaura la copia de seguridad del archivo &lt;archivo&gt;.</translation>
    </message>
    <message>
        <source>Restoring: what becomes of rows already there: skip, replace or newer.</source>
        <translation>Al restaurar: qué pasa con las filas que ya existen: skip, replace o newer.</translation>
    </message>
    <message>
        <source>mode</source>
        <translation>modo</translation>
    </message>
    <message>
        <source>Usage: kestrelwood-checkbook --search TEXT [--output FILE]
   or: kestrelwood-checkbook --report KIND --from yyyy-MM-dd --to yyyy-MM-dd [--from2 yyyy-MM-dd --to2 yyyy-MM-dd] [--account NAME] [--output FILE]
   or: kestrelwood-checkbook --export-backup FILE
   or: kestrelwood-checkbook --restore-backup FILE --mode skip|replace|newer
   or: kestrelwood-checkbook --import FILE... [--account NAME]</source>
        <translation>Uso: kestrelwood-checkbook --search TEXT [--output FILE]
  o: kestrelwood-checkbook --report KIND --from yyyy-MM-dd --to yyyy-MM-dd [--from2 yyyy-MM-dd --to2 yyyy-MM-dd] [--account NAME] [--output FILE]
  o: kestrelwood-checkbook --export-backup FILE
  o: kestrelwood-checkbook --restore-backup FILE --mode skip|replace|newer
  o: kestrelwood-checkbook --import FILE... [--account NAME]</translation>
    </message>
    <message>
        <source>Unexpected argument: %1</source>
        <translation>Argumento inesperado: %1</translation>
    </message>
    <message>
        <source>Give one of --search, --report, --export-backup, --restore-backup or --import.</source>
        <translation>Indique una de estas opciones: --search, --report, --export-backup, --restore-backup o --import.</translation>
    </message>
    <message>
        <source>--restore-backup needs --mode skip, --mode replace or --mode newer.</source>
        <translation>--restore-backup necesita --mode skip, --mode replace o --mode newer.</translation>
    </message>
    <message>
        <source>Cannot read the data file %1.</source>
        <translation>No se puede leer el archivo de datos %1.</translation>
    </message>
    <message>
        <source>Report on, or import a CSV or OFX file into, the account &lt;name&gt;.</source>
        <translation>Informa sobre la cuenta &lt;name&gt; o importa en ella un archivo CSV u OFX.</translation>
    </message>
    <message>
        <source>Import the bank files &lt;file&gt; and those after it (CSV, QIF, OFX or QFX).</source>
        <translation>Importa los archivos bancarios &lt;file&gt; y los siguientes (CSV, QIF, OFX o QFX).</translation>
    </message>
</context>
<context>
    <name>CommandLineHelp</name>
    <message>
        <source>Write the transactions matching TEXT as CSV.</source>
        <translation>Escribe como CSV los movimientos que coinciden con TEXT.</translation>
    </message>
    <message>
        <source>Write a report as CSV. The reports: %1.</source>
        <translation>Escribe un informe como CSV. Los informes: %1.</translation>
    </message>
    <message>
        <source>Save a backup of the register as a ZIP archive.</source>
        <translation>Guarda una copia de seguridad del registro como archivo ZIP.</translation>
    </message>
    <message>
        <source>Restore a backup archive while the window is closed; needs --mode.</source>
        <translation>Restaura un archivo de copia de seguridad con la ventana cerrada; necesita --mode.</translation>
    </message>
    <message>
        <source>Import bank files (CSV, QIF, OFX or QFX) while the window is closed.</source>
        <translation>Importa archivos bancarios (CSV, QIF, OFX o QFX) con la ventana cerrada.</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Muestra esta ayuda.</translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation>Muestra la versión.</translation>
    </message>
    <message>
        <source>The report&apos;s first day.</source>
        <translation>El primer día del informe.</translation>
    </message>
    <message>
        <source>The report&apos;s last day.</source>
        <translation>El último día del informe.</translation>
    </message>
    <message>
        <source>Year over year: the second period&apos;s first day.</source>
        <translation>Comparación interanual: el primer día del segundo periodo.</translation>
    </message>
    <message>
        <source>Year over year: the second period&apos;s last day.</source>
        <translation>Comparación interanual: el último día del segundo periodo.</translation>
    </message>
    <message>
        <source>The account a report reads or a CSV, OFX or QFX file goes to.</source>
        <translation>La cuenta que lee un informe o a la que va un archivo CSV, OFX o QFX.</translation>
    </message>
    <message>
        <source>Write the CSV of a search or report to FILE instead of standard output.</source>
        <translation>Escribe el CSV de una búsqueda o un informe en FILE en lugar de la salida estándar.</translation>
    </message>
    <message>
        <source>Restoring: keep the rows already there, replace everything, or keep the newer row.</source>
        <translation>Al restaurar: conservar las filas existentes, reemplazarlo todo o conservar la fila más reciente.</translation>
    </message>
    <message>
        <source>The folder of the register, checkbook.db; now %1.</source>
        <translation>La carpeta del registro, checkbook.db; ahora %1.</translation>
    </message>
    <message>
        <source>Print the debug and information messages too.</source>
        <translation>Muestra también los mensajes de depuración e información.</translation>
    </message>
    <message>
        <source>Offer loading and clearing sample data in the Help menu.</source>
        <translation>Ofrece cargar y borrar datos de ejemplo en el menú Ayuda.</translation>
    </message>
    <message>
        <source>The sign-in service.</source>
        <translation>El servicio de inicio de sesión.</translation>
    </message>
    <message>
        <source>The sign-in realm.</source>
        <translation>El dominio de inicio de sesión.</translation>
    </message>
    <message>
        <source>The client id the sign-in service knows the program by.</source>
        <translation>El identificador de cliente con el que el servicio de inicio de sesión conoce al programa.</translation>
    </message>
    <message>
        <source>The account service.</source>
        <translation>El servicio de cuentas.</translation>
    </message>
    <message>
        <source>The sync service.</source>
        <translation>El servicio de sincronización.</translation>
    </message>
    <message>
        <source>The account web pages Kestrelwood Account opens.</source>
        <translation>Las páginas web de la cuenta que abre Cuenta de Kestrelwood.</translation>
    </message>
    <message>
        <source>The folder of the update feed&apos;s latest.json.</source>
        <translation>La carpeta del archivo latest.json de las actualizaciones.</translation>
    </message>
    <message>
        <source>The page Send Feedback opens.</source>
        <translation>La página que abre Enviar comentarios.</translation>
    </message>
    <message>
        <source>Example: %1</source>
        <translation>Ejemplo: %1</translation>
    </message>
    <message>
        <source>Usage: %1 [COMMAND] [OPTIONS]</source>
        <translation>Uso: %1 [COMANDO] [OPCIONES]</translation>
    </message>
    <message>
        <source>Kestrelwood Checkbook, a checkbook register for household finances. Without a command it opens its window; the commands answer on the command line and need no display.</source>
        <translation>Kestrelwood Checkbook, un registro de chequera para las finanzas del hogar. Sin comando abre su ventana; los comandos responden en la línea de comandos y no necesitan pantalla.</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Comandos:</translation>
    </message>
    <message>
        <source>Options of the commands:</source>
        <translation>Opciones de los comandos:</translation>
    </message>
    <message>
        <source>Environment variables:</source>
        <translation>Variables de entorno:</translation>
    </message>
    <message>
        <source>Run &quot;%1 --help&quot; for the commands and options.</source>
        <translation>Ejecute «%1 --help» para ver los comandos y las opciones.</translation>
    </message>
</context>
<context>
    <name>CsvRowReader</name>
    <message>
        <source>No date, payee or amount in this row</source>
        <translation>Esta fila no tiene fecha, beneficiario ni importe</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date written %2</source>
        <translation>«%1» no es una fecha con el formato %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an amount</source>
        <translation>«%1» no es un importe</translation>
    </message>
    <message>
        <source>A text in this row is too long</source>
        <translation>Un texto de esta fila es demasiado largo</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>The disk is full.</source>
        <translation>El disco está lleno.</translation>
    </message>
    <message>
        <source>The data file is read-only.</source>
        <translation>El archivo de datos es de solo lectura.</translation>
    </message>
    <message>
        <source>The data file is in use by another program.</source>
        <translation>Otro programa está usando el archivo de datos.</translation>
    </message>
    <message>
        <source>The data file is damaged.</source>
        <translation>El archivo de datos está dañado.</translation>
    </message>
    <message>
        <source>The data file could not be written.</source>
        <translation>No se pudo escribir en el archivo de datos.</translation>
    </message>
</context>
<context>
    <name>DateField</name>
    <message>
        <source>Open calendar (F4)</source>
        <translation>Abrir calendario (F4)</translation>
    </message>
</context>
<context>
    <name>DeleteTransactionQuestion</name>
    <message>
        <source>Delete &quot;%1&quot; for %2?</source>
        <translation>¿Eliminar «%1» por %2?</translation>
    </message>
    <message>
        <source>Delete transfer &quot;%1&quot; for %2?

Both sides of the transfer will be deleted.</source>
        <translation>¿Eliminar la transferencia «%1» por %2?

Se eliminarán ambos lados de la transferencia.</translation>
    </message>
    <message>
        <source>Delete Transaction</source>
        <translation>Eliminar transacción</translation>
    </message>
</context>
<context>
    <name>ExclusiveDataFile</name>
    <message>
        <source>Kestrelwood Checkbook is open on %1. Close it, then try again.</source>
        <translation>Kestrelwood Checkbook tiene abierto %1. Ciérrelo e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Cannot open the data file %1. %2</source>
        <translation>No se puede abrir el archivo de datos %1. %2</translation>
    </message>
</context>
<context>
    <name>ExportResult</name>
    <message>
        <source>Backup Complete</source>
        <translation>Copia de seguridad completada</translation>
    </message>
    <message>
        <source>Backup Failed</source>
        <translation>Error en la copia de seguridad</translation>
    </message>
    <message>
        <source>Backup saved to:
%1</source>
        <translation>Copia de seguridad guardada en:
%1</translation>
    </message>
    <message>
        <source>Could not write to:
%1</source>
        <translation>No se pudo escribir en:
%1</translation>
    </message>
</context>
<context>
    <name>ImportCommand</name>
    <message>
        <source>none</source>
        <translation>ninguna</translation>
    </message>
    <message>
        <source>tab</source>
        <translation>tabulador</translation>
    </message>
    <message>
        <source>the mapping last used for this account</source>
        <translation>la asignación usada por última vez para esta cuenta</translation>
    </message>
    <message>
        <source>the mapping proposed from the file</source>
        <translation>la asignación propuesta a partir del archivo</translation>
    </message>
    <message>
        <source>Read with %1: separator %2, %3 line(s) before the table, %4, dates as %5, columns: date %6, payee %7, amount %8, credit %9, memo %10, category %11.</source>
        <translation>Leído con %1: separador %2, %3 línea(s) antes de la tabla, %4, fechas como %5, columnas: fecha %6, beneficiario %7, importe %8, abono %9, nota %10, categoría %11.</translation>
    </message>
    <message>
        <source>a header row</source>
        <translation>con fila de encabezado</translation>
    </message>
    <message>
        <source>no header row</source>
        <translation>sin fila de encabezado</translation>
    </message>
    <message>
        <source>%1: the import failed and nothing of it was stored (%2).</source>
        <translation>%1: la importación falló y no se guardó nada de ella (%2).</translation>
    </message>
    <message>
        <source>%1: import complete.</source>
        <translation>%1: importación completada.</translation>
    </message>
    <message>
        <source>%1: a CSV file needs --account NAME, the account to import into.</source>
        <translation>%1: un archivo CSV necesita --account NAME, la cuenta a la que se importa.</translation>
    </message>
    <message>
        <source>%1: the file could not be read.</source>
        <translation>%1: no se pudo leer el archivo.</translation>
    </message>
    <message>
        <source>There is no account named &quot;%1&quot;.</source>
        <translation>No hay ninguna cuenta llamada «%1».</translation>
    </message>
    <message>
        <source>%1: the new account &quot;%2&quot; holds its statement.</source>
        <translation>%1: la nueva cuenta «%2» guarda su extracto.</translation>
    </message>
</context>
<context>
    <name>ImportScreen</name>
    <message>
        <source>Import Transactions</source>
        <translation>Importar transacciones</translation>
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
        <translation>&amp;Formato:</translation>
    </message>
    <message>
        <source>&amp;Account:</source>
        <translation>&amp;Cuenta:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Examinar...</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Archivo:</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hecho</translation>
    </message>
    <message>
        <source>CSV Column Mapping:</source>
        <translation>Asignación de columnas CSV:</translation>
    </message>
    <message>
        <source>Comma (,)</source>
        <translation>Coma (,)</translation>
    </message>
    <message>
        <source>Semicolon (;)</source>
        <translation>Punto y coma (;)</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tabulador</translation>
    </message>
    <message>
        <source>Some banks put the account number and the period above the table.</source>
        <translation>Algunos bancos ponen el número de cuenta y el periodo encima de la tabla.</translation>
    </message>
    <message>
        <source>First row is header</source>
        <translation>La primera fila es el encabezado</translation>
    </message>
    <message>
        <source>For files with separate columns for money out and money in: the amount column is then the money out.</source>
        <translation>Para archivos con columnas separadas para el dinero que sale y el que entra: la columna de importe es entonces la del dinero que sale.</translation>
    </message>
    <message>
        <source>Separator:</source>
        <translation>Separador:</translation>
    </message>
    <message>
        <source>Lines before the table:</source>
        <translation>Líneas antes de la tabla:</translation>
    </message>
    <message>
        <source>Date column:</source>
        <translation>Columna de fecha:</translation>
    </message>
    <message>
        <source>Payee column:</source>
        <translation>Columna de beneficiario:</translation>
    </message>
    <message>
        <source>Amount column:</source>
        <translation>Columna de importe:</translation>
    </message>
    <message>
        <source>Credit column:</source>
        <translation>Columna de abono:</translation>
    </message>
    <message>
        <source>Memo column:</source>
        <translation>Columna de nota:</translation>
    </message>
    <message>
        <source>Category column:</source>
        <translation>Columna de categoría:</translation>
    </message>
    <message>
        <source>Date format:</source>
        <translation>Formato de fecha:</translation>
    </message>
    <message>
        <source>The first rows as they will be imported:</source>
        <translation>Las primeras filas tal como se importarán:</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Beneficiario</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importe</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>QIF source accounts:</source>
        <translation>Cuentas de origen QIF:</translation>
    </message>
    <message>
        <source>Choose where each Quicken account should be imported. Accounts mapped across the selected files will have their transfers linked automatically.</source>
        <translation>Elija dónde se importará cada cuenta de Quicken. Las transferencias de las cuentas asignadas en los archivos seleccionados se vincularán automáticamente.</translation>
    </message>
    <message>
        <source>No file selected</source>
        <translation>Ningún archivo seleccionado</translation>
    </message>
    <message>
        <source>Select QIF File(s)</source>
        <translation>Seleccionar archivo(s) QIF</translation>
    </message>
    <message>
        <source>QIF Files (*.qif)</source>
        <translation>Archivos QIF (*.qif)</translation>
    </message>
    <message>
        <source>Select File</source>
        <translation>Seleccionar archivo</translation>
    </message>
    <message>
        <source>CSV Files (*.csv);;All Files (*)</source>
        <translation>Archivos CSV (*.csv);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>The file %1 could not be read.</source>
        <translation>No se pudo leer el archivo %1.</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(ninguna)</translation>
    </message>
    <message>
        <source>Col %1: %2</source>
        <translation>Col. %1: %2</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Columna %1</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) selected</source>
        <translation>
            <numerusform>%n archivo seleccionado</numerusform>
            <numerusform>%n archivos seleccionados</numerusform>
        </translation>
    </message>
    <message>
        <source>Analyzing QIF file(s)...</source>
        <translation>Analizando archivo(s) QIF...</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n transaction(s))</source>
        <translation>
            <numerusform>%1 (%n movimiento)</numerusform>
            <numerusform>%1 (%n movimientos)</numerusform>
        </translation>
    </message>
    <message>
        <source>— Create new account &quot;%1&quot; —</source>
        <translation>— Crear la cuenta nueva «%1» —</translation>
    </message>
    <message>
        <source>— Skip these transactions —</source>
        <translation>— Omitir estos movimientos —</translation>
    </message>
    <message>
        <source>No transactions were found in the selected file(s).</source>
        <translation>No se encontraron movimientos en los archivos seleccionados.</translation>
    </message>
    <message>
        <source>Choose a file to import first.</source>
        <translation>Elija primero un archivo para importar.</translation>
    </message>
    <message>
        <source>No target account</source>
        <translation>Sin cuenta de destino</translation>
    </message>
    <message>
        <source>Pick an account to import into, or create one now.</source>
        <translation>Elija una cuenta a la que importar o cree una ahora.</translation>
    </message>
    <message>
        <source>New Account</source>
        <translation>Nueva cuenta</translation>
    </message>
    <message>
        <source>The account could not be created.</source>
        <translation>No se pudo crear la cuenta.</translation>
    </message>
    <message>
        <source>Importing...</source>
        <translation>Importando...</translation>
    </message>
    <message>
        <source>Import cancelled.</source>
        <translation>Importación cancelada.</translation>
    </message>
    <message>
        <source>The import was stopped and all changes were rolled back. No transactions were added.</source>
        <translation>Se detuvo la importación y se revirtieron todos los cambios. No se añadió ningún movimiento.</translation>
    </message>
    <message>
        <source>Import failed.</source>
        <translation>Error en la importación.</translation>
    </message>
    <message>
        <source>A database error stopped the import and all changes were rolled back. No transactions were added.</source>
        <translation>Un error de la base de datos detuvo la importación y se revirtieron todos los cambios. No se añadió ningún movimiento.</translation>
    </message>
    <message>
        <source>Import complete!</source>
        <translation>¡Importación completada!</translation>
    </message>
    <message>
        <source>OFX / QFX</source>
        <translation>OFX / QFX</translation>
    </message>
    <message>
        <source>Statement accounts:</source>
        <translation>Cuentas del extracto:</translation>
    </message>
    <message>
        <source>Choose where each account of the statement should be imported. Rows imported from an earlier statement are skipped, so overlapping statements can be imported safely.</source>
        <translation>Elija dónde importar cada cuenta del extracto. Las filas ya importadas de un extracto anterior se omiten, así que puede importar extractos que se solapan sin riesgo.</translation>
    </message>
    <message>
        <source>Select Statement</source>
        <translation>Seleccionar extracto</translation>
    </message>
    <message>
        <source>Bank Statements (*.ofx *.qfx);;All Files (*)</source>
        <translation>Extractos bancarios (*.ofx *.qfx);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>The file %1 is not an OFX or QFX bank statement.</source>
        <translation>El archivo %1 no es un extracto bancario OFX o QFX.</translation>
    </message>
    <message numerus="yes">
        <source>%1, %2 (%n transaction(s))</source>
        <translation>
            <numerusform>%1, %2 (%n movimiento)</numerusform>
            <numerusform>%1, %2 (%n movimientos)</numerusform>
        </translation>
    </message>
    <message>
        <source>Import refused.</source>
        <translation>Importación rechazada.</translation>
    </message>
</context>
<context>
    <name>ImportService</name>
    <message numerus="yes">
        <source>%n transaction(s) imported</source>
        <translation>
            <numerusform>%n movimiento importado</numerusform>
            <numerusform>%n movimientos importados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n transfer(s) linked across accounts</source>
        <translation>
            <numerusform>%n transferencia vinculada entre cuentas</numerusform>
            <numerusform>%n transferencias vinculadas entre cuentas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>  (including %n linked to previously imported row(s))</source>
        <translation>
            <numerusform>  (incluida %n vinculada a filas importadas anteriormente)</numerusform>
            <numerusform>  (incluidas %n vinculadas a filas importadas anteriormente)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n duplicate(s) skipped</source>
        <translation>
            <numerusform>%n duplicado omitido</numerusform>
            <numerusform>%n duplicados omitidos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (unparseable)</source>
        <translation>
            <numerusform>%n registro omitido (ilegible)</numerusform>
            <numerusform>%n registros omitidos (ilegibles)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n metadata record(s) skipped</source>
        <translation>
            <numerusform>%n registro de metadatos omitido</numerusform>
            <numerusform>%n registros de metadatos omitidos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (unmapped source account)</source>
        <translation>
            <numerusform>%n registro omitido (cuenta de origen sin asignar)</numerusform>
            <numerusform>%n registros omitidos (cuenta de origen sin asignar)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (database error — see log)</source>
        <translation>
            <numerusform>%n registro omitido (error de base de datos — consulte el registro)</numerusform>
            <numerusform>%n registros omitidos (error de base de datos — consulte el registro)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (no account header)</source>
        <translation>%1 (sin encabezado de cuenta)</translation>
    </message>
    <message>
        <source>Imported transaction</source>
        <translation>Movimiento importado</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>Ahorros</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>Tarjeta de crédito</translation>
    </message>
    <message>
        <source>Investment</source>
        <translation>Inversión</translation>
    </message>
    <message>
        <source>Checking</source>
        <translation>Corriente</translation>
    </message>
    <message>
        <source>%1 is not an OFX or QFX bank statement. Nothing was imported.</source>
        <translation>%1 no es un extracto bancario OFX o QFX. No se importó nada.</translation>
    </message>
    <message>
        <source>The statement of %1 is in %2, a currency the register does not keep. Nothing was imported.</source>
        <translation>El extracto de %1 está en %2, una moneda que el registro no admite. No se importó nada.</translation>
    </message>
    <message>
        <source>The statement of %1 is in %2, but the account &quot;%3&quot; is kept in %4. Nothing was imported.</source>
        <translation>El extracto de %1 está en %2, pero la cuenta «%3» se lleva en %4. No se importó nada.</translation>
    </message>
</context>
<context>
    <name>KestAccount::AccountScreen</name>
    <message>
        <source>Unknown client</source>
        <translation>Cliente desconocido</translation>
    </message>
    <message>
        <source>Kestrelwood Account</source>
        <translation>Cuenta de Kestrelwood</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Perfil</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Grupo</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Dispositivos</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>Seguridad</translation>
    </message>
    <message>
        <source>Data &amp; Privacy</source>
        <translation>Datos y privacidad</translation>
    </message>
    <message>
        <source>Personal Information</source>
        <translation>Información personal</translation>
    </message>
    <message>
        <source>Edit Display Name</source>
        <translation>Editar nombre visible</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Change your account password.</source>
        <translation>Cambie la contraseña de su cuenta.</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>Cambiar contraseña</translation>
    </message>
    <message>
        <source>Account Portal</source>
        <translation>Portal de la cuenta</translation>
    </message>
    <message>
        <source>Billing and other settings of your account are on the web.</source>
        <translation>La facturación y otros ajustes de su cuenta están en la web.</translation>
    </message>
    <message>
        <source>Open Account Portal</source>
        <translation>Abrir el portal de la cuenta</translation>
    </message>
    <message>
        <source>Registered Devices</source>
        <translation>Dispositivos registrados</translation>
    </message>
    <message>
        <source>Devices that have synced with your account.</source>
        <translation>Dispositivos que se han sincronizado con su cuenta.</translation>
    </message>
    <message>
        <source>Active Sessions</source>
        <translation>Sesiones activas</translation>
    </message>
    <message>
        <source>Sessions currently signed in to your account.</source>
        <translation>Sesiones con la sesión iniciada en su cuenta ahora mismo.</translation>
    </message>
    <message>
        <source>Danger Zone</source>
        <translation>Zona de peligro</translation>
    </message>
    <message>
        <source>Permanently delete your account. This cannot be undone after 30 days.</source>
        <translation>Eliminar su cuenta de forma permanente. No se puede deshacer pasados 30 días.</translation>
    </message>
    <message>
        <source>Delete Account</source>
        <translation>Eliminar cuenta</translation>
    </message>
    <message>
        <source>You are the group owner. Transfer ownership or remove all members before deleting your account.</source>
        <translation>Usted es el propietario del grupo. Transfiera la propiedad o quite a todos los miembros antes de eliminar su cuenta.</translation>
    </message>
    <message>
        <source>Your profile could not be loaded.</source>
        <translation>No se pudo cargar su perfil.</translation>
    </message>
    <message>
        <source>(not set)</source>
        <translation>(sin definir)</translation>
    </message>
    <message>
        <source>Your group could not be loaded.</source>
        <translation>No se pudo cargar su grupo.</translation>
    </message>
    <message>
        <source>No Group</source>
        <translation>Sin grupo</translation>
    </message>
    <message>
        <source>You&apos;re not part of a group. The group owner can invite you, or you can join with an invite code.</source>
        <translation>No forma parte de ningún grupo. El propietario de un grupo puede invitarle, o puede unirse con un código de invitación.</translation>
    </message>
    <message>
        <source>Join with Invite Code</source>
        <translation>Unirse con un código de invitación</translation>
    </message>
    <message>
        <source>%1 of %2 seats used</source>
        <translation>%1 de %2 plazas ocupadas</translation>
    </message>
    <message>
        <source>Leave Group</source>
        <translation>Salir del grupo</translation>
    </message>
    <message>
        <source>Members</source>
        <translation>Miembros</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>Propietario</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Pending Invitations</source>
        <translation>Invitaciones pendientes</translation>
    </message>
    <message>
        <source>Invite code: %1</source>
        <translation>Código de invitación: %1</translation>
    </message>
    <message>
        <source>Revoke</source>
        <translation>Revocar</translation>
    </message>
    <message>
        <source>Invite Members</source>
        <translation>Invitar a miembros</translation>
    </message>
    <message>
        <source>Invite someone to start a family group with you.</source>
        <translation>Invite a alguien para crear un grupo familiar con usted.</translation>
    </message>
    <message>
        <source>Invite by Email</source>
        <translation>Invitar por correo electrónico</translation>
    </message>
    <message>
        <source>Generate Invite Code</source>
        <translation>Generar código de invitación</translation>
    </message>
    <message>
        <source>Your devices could not be loaded.</source>
        <translation>No se pudieron cargar sus dispositivos.</translation>
    </message>
    <message>
        <source>No devices registered.</source>
        <translation>No hay dispositivos registrados.</translation>
    </message>
    <message>
        <source>Unknown Device</source>
        <translation>Dispositivo desconocido</translation>
    </message>
    <message>
        <source>  ·  v%1</source>
        <translation>  ·  v%1</translation>
    </message>
    <message>
        <source>Your sessions could not be loaded.</source>
        <translation>No se pudieron cargar sus sesiones.</translation>
    </message>
    <message>
        <source>No active sessions.</source>
        <translation>No hay sesiones activas.</translation>
    </message>
    <message>
        <source>This session</source>
        <translation>Esta sesión</translation>
    </message>
    <message>
        <source>  ·  %1</source>
        <translation>  ·  %1</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Actual</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Desconocido</translation>
    </message>
    <message>
        <source>Active now</source>
        <translation>Activa ahora</translation>
    </message>
    <message>
        <source>%1m ago</source>
        <translation>hace %1 min</translation>
    </message>
    <message>
        <source>%1h ago</source>
        <translation>hace %1 h</translation>
    </message>
    <message>
        <source>%1d ago</source>
        <translation>hace %1 d</translation>
    </message>
    <message>
        <source>Display name:</source>
        <translation>Nombre visible:</translation>
    </message>
    <message>
        <source>Failed to update profile.</source>
        <translation>No se pudo actualizar el perfil.</translation>
    </message>
    <message>
        <source>Display name updated.</source>
        <translation>Nombre visible actualizado.</translation>
    </message>
    <message>
        <source>Current password:</source>
        <translation>Contraseña actual:</translation>
    </message>
    <message>
        <source>New password (min 8 characters):</source>
        <translation>Nueva contraseña (mín. 8 caracteres):</translation>
    </message>
    <message>
        <source>Password must be at least 8 characters.</source>
        <translation>La contraseña debe tener al menos 8 caracteres.</translation>
    </message>
    <message>
        <source>Confirm new password:</source>
        <translation>Confirme la nueva contraseña:</translation>
    </message>
    <message>
        <source>Passwords do not match.</source>
        <translation>Las contraseñas no coinciden.</translation>
    </message>
    <message>
        <source>Password changed.</source>
        <translation>Contraseña cambiada.</translation>
    </message>
    <message>
        <source>Failed to change password.</source>
        <translation>No se pudo cambiar la contraseña.</translation>
    </message>
    <message>
        <source>Join Group</source>
        <translation>Unirse al grupo</translation>
    </message>
    <message>
        <source>Enter invite code:</source>
        <translation>Introduzca el código de invitación:</translation>
    </message>
    <message>
        <source>Joined group.</source>
        <translation>Se ha unido al grupo.</translation>
    </message>
    <message>
        <source>Invalid or expired invite code.</source>
        <translation>Código de invitación no válido o caducado.</translation>
    </message>
    <message>
        <source>Email address:</source>
        <translation>Dirección de correo electrónico:</translation>
    </message>
    <message>
        <source>Failed to send invitation.</source>
        <translation>No se pudo enviar la invitación.</translation>
    </message>
    <message>
        <source>Invitation sent.</source>
        <translation>Invitación enviada.</translation>
    </message>
    <message>
        <source>Failed to generate code.</source>
        <translation>No se pudo generar el código.</translation>
    </message>
    <message>
        <source>Invite Code</source>
        <translation>Código de invitación</translation>
    </message>
    <message>
        <source>Share this code with the person you want to invite:

%1</source>
        <translation>Comparta este código con la persona a la que quiere invitar:

%1</translation>
    </message>
    <message>
        <source>Leave this group? You will lose access to shared data.</source>
        <translation>¿Salir de este grupo? Perderá el acceso a los datos compartidos.</translation>
    </message>
    <message>
        <source>Left group.</source>
        <translation>Ha salido del grupo.</translation>
    </message>
    <message>
        <source>Could not leave the group.</source>
        <translation>No se pudo salir del grupo.</translation>
    </message>
    <message>
        <source>Remove Member</source>
        <translation>Quitar miembro</translation>
    </message>
    <message>
        <source>Remove %1 from the group? The accounts you share with them will no longer reach them.</source>
        <translation>¿Quitar a %1 del grupo? Las cuentas que comparte con esa persona dejarán de llegarle.</translation>
    </message>
    <message>
        <source>%1 removed.</source>
        <translation>%1 quitado.</translation>
    </message>
    <message>
        <source>Could not remove %1.</source>
        <translation>No se pudo quitar a %1.</translation>
    </message>
    <message>
        <source>Invitation revoked.</source>
        <translation>Invitación revocada.</translation>
    </message>
    <message>
        <source>Could not revoke the invitation.</source>
        <translation>No se pudo revocar la invitación.</translation>
    </message>
    <message>
        <source>Remove Device</source>
        <translation>Quitar dispositivo</translation>
    </message>
    <message>
        <source>Remove %1 from your account&apos;s devices? It registers again the next time it signs in.</source>
        <translation>¿Quitar %1 de los dispositivos de su cuenta? Se volverá a registrar la próxima vez que inicie sesión.</translation>
    </message>
    <message>
        <source>Device removed.</source>
        <translation>Dispositivo quitado.</translation>
    </message>
    <message>
        <source>Could not remove the device.</source>
        <translation>No se pudo quitar el dispositivo.</translation>
    </message>
    <message>
        <source>Revoke Session</source>
        <translation>Revocar sesión</translation>
    </message>
    <message>
        <source>Sign out %1? It will have to sign in again.</source>
        <translation>¿Cerrar la sesión de %1? Tendrá que volver a iniciar sesión.</translation>
    </message>
    <message>
        <source>Session revoked.</source>
        <translation>Sesión revocada.</translation>
    </message>
    <message>
        <source>Could not revoke the session.</source>
        <translation>No se pudo revocar la sesión.</translation>
    </message>
    <message>
        <source>This will schedule your account for permanent deletion after 30 days.

Type DELETE to confirm:</source>
        <translation>Su cuenta quedará programada para eliminarse de forma permanente dentro de 30 días.

Escriba DELETE para confirmar:</translation>
    </message>
    <message>
        <source>Failed to delete account.</source>
        <translation>No se pudo eliminar la cuenta.</translation>
    </message>
    <message>
        <source>Account Scheduled for Deletion</source>
        <translation>Cuenta programada para su eliminación</translation>
    </message>
    <message>
        <source>Your account will be permanently deleted in 30 days. You can recover it by signing in before then.</source>
        <translation>Su cuenta se eliminará de forma permanente dentro de 30 días. Puede recuperarla iniciando sesión antes de esa fecha.</translation>
    </message>
</context>
<context>
    <name>KestAccount::AuthClient</name>
    <message>
        <source>Failed to start local auth server</source>
        <translation>No se pudo iniciar el servidor local de inicio de sesión</translation>
    </message>
    <message>
        <source>The sign-in was not completed in time</source>
        <translation>El inicio de sesión no se completó a tiempo</translation>
    </message>
    <message>
        <source>No web browser could be opened</source>
        <translation>No se pudo abrir ningún navegador web</translation>
    </message>
    <message>
        <source>No tokens received</source>
        <translation>No se recibieron credenciales</translation>
    </message>
</context>
<context>
    <name>KestAccount::ShareMembersDialog</name>
    <message>
        <source>Shared with</source>
        <translation>Compartida con</translation>
    </message>
    <message>
        <source>Not shared with anyone yet.</source>
        <translation>Todavía no se comparte con nadie.</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Compartir</translation>
    </message>
    <message>
        <source>Remove Selected</source>
        <translation>Quitar lo seleccionado</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Remove Share</source>
        <translation>Dejar de compartir</translation>
    </message>
    <message>
        <source>Remove %1&apos;s access to this item?</source>
        <translation>¿Quitar el acceso de %1 a este elemento?</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Cargando...</translation>
    </message>
    <message>
        <source>Could not load who this is shared with.</source>
        <translation>No se pudo cargar con quién se comparte.</translation>
    </message>
    <message>
        <source>Your family group could not be loaded.</source>
        <translation>No se pudo cargar su grupo familiar.</translation>
    </message>
    <message>
        <source>All group members already added</source>
        <translation>Ya se han añadido todos los miembros del grupo</translation>
    </message>
    <message>
        <source>Sharing...</source>
        <translation>Compartiendo...</translation>
    </message>
    <message>
        <source>Could not share with %1.</source>
        <translation>No se pudo compartir con %1.</translation>
    </message>
    <message>
        <source>Could not remove share.</source>
        <translation>No se pudo dejar de compartir.</translation>
    </message>
</context>
<context>
    <name>KestAccount::WebAuthHandler</name>
    <message>
        <source>Sign-in problem</source>
        <translation>Problema al iniciar sesión</translation>
    </message>
    <message>
        <source>The request could not be read.</source>
        <translation>No se pudo leer la solicitud.</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>No encontrado</translation>
    </message>
    <message>
        <source>There is nothing here.</source>
        <translation>Aquí no hay nada.</translation>
    </message>
    <message>
        <source>This sign-in was not started by Kestrelwood Checkbook on this computer.</source>
        <translation>Este inicio de sesión no lo inició Kestrelwood Checkbook en este equipo.</translation>
    </message>
    <message>
        <source>The sign-in did not complete. Please try again.</source>
        <translation>El inicio de sesión no se completó. Inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Authentication complete!</source>
        <translation>¡Autenticación completada!</translation>
    </message>
    <message>
        <source>You can close this tab and return to the application.</source>
        <translation>Puede cerrar esta pestaña y volver a la aplicación.</translation>
    </message>
</context>
<context>
    <name>KestUpdate</name>
    <message>
        <source>No release notes available for %1 %2</source>
        <translation>No hay notas de la versión para %1 %2</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>Buscando actualizaciones…</translation>
    </message>
    <message>
        <source>%1 is up to date (version %2)</source>
        <translation>%1 está actualizado (versión %2)</translation>
    </message>
    <message>
        <source>Update check failed: %1</source>
        <translation>No se pudo buscar actualizaciones: %1</translation>
    </message>
    <message>
        <source>Loading release notes…</source>
        <translation>Cargando notas de la versión…</translation>
    </message>
</context>
<context>
    <name>KestUpdate::Client</name>
    <message>
        <source>manifestBaseUrl is not valid</source>
        <translation>manifestBaseUrl no es válida</translation>
    </message>
    <message>
        <source>currentVersion is empty</source>
        <translation>currentVersion está vacía</translation>
    </message>
    <message>
        <source>network error: %1</source>
        <translation>error de red: %1</translation>
    </message>
    <message>
        <source>the manifest is larger than 1 MB</source>
        <translation>el manifiesto ocupa más de 1 MB</translation>
    </message>
    <message>
        <source>manifest invalid: %1</source>
        <translation>manifiesto no válido: %1</translation>
    </message>
    <message>
        <source>current version %1 is older than min_upgradable_from %2; please upgrade to an intermediate release first</source>
        <translation>la versión actual %1 es anterior a min_upgradable_from %2; actualice primero a una versión intermedia</translation>
    </message>
</context>
<context>
    <name>KestUpdate::UpdateDialog</name>
    <message>
        <source>Update available</source>
        <translation>Actualización disponible</translation>
    </message>
    <message>
        <source>A new version of %1 is available.</source>
        <translation>Hay una nueva versión de %1.</translation>
    </message>
    <message>
        <source>You have version %1. The latest version is %2.</source>
        <translation>Tiene la versión %1. La más reciente es la %2.</translation>
    </message>
    <message>
        <source>Loading release notes…</source>
        <translation>Cargando notas de la versión…</translation>
    </message>
    <message>
        <source>*Release notes are not available for this version.*</source>
        <translation>*No hay notas de la versión para esta versión.*</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Descargar</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Más tarde</translation>
    </message>
</context>
<context>
    <name>KestUpdate::WhatsNewDialog</name>
    <message>
        <source>What&apos;s New in %1 %2</source>
        <translation>Novedades de %1 %2</translation>
    </message>
    <message>
        <source>What&apos;s new in %1 %2</source>
        <translation>Novedades de %1 %2</translation>
    </message>
    <message>
        <source>You are running version %1</source>
        <translation>Está usando la versión %1</translation>
    </message>
    <message>
        <source>Download %1</source>
        <translation>Descargar %1</translation>
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
        <translation>Informes</translation>
    </message>
    <message>
        <source>Recurring Transactions</source>
        <translation>Transacciones periódicas</translation>
    </message>
    <message>
        <source>Search Transactions</source>
        <translation>Buscar transacciones</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Categorías</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>Reconciliation History</source>
        <translation>Historial de conciliaciones</translation>
    </message>
    <message>
        <source>Import Transactions</source>
        <translation>Importar transacciones</translation>
    </message>
    <message>
        <source>Payee Management</source>
        <translation>Gestión de beneficiarios</translation>
    </message>
    <message>
        <source>Sign In Required</source>
        <translation>Se requiere iniciar sesión</translation>
    </message>
    <message>
        <source>Sharing requires a Kestrelwood account. Sign in via File › Sign In to enable sharing.</source>
        <translation>Para compartir se necesita una cuenta de Kestrelwood. Inicie sesión en Archivo › Iniciar sesión para activar el uso compartido.</translation>
    </message>
    <message>
        <source>Share Account</source>
        <translation>Compartir cuenta</translation>
    </message>
    <message>
        <source>Delete Account</source>
        <translation>Eliminar cuenta</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;?

All transactions, recurring entries, and reconciliation history for this account will be removed. You can restore it from Preferences → Data &amp; Sync.</source>
        <translation>¿Eliminar «%1»?

Se eliminarán todas las transacciones, entradas periódicas e historial de conciliaciones de esta cuenta. Puede restaurarla en Preferencias → Datos y sincronización.</translation>
    </message>
    <message>
        <source>Kestrelwood Account</source>
        <translation>Cuenta de Kestrelwood</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;New Transaction</source>
        <translation>&amp;Nueva transacción</translation>
    </message>
    <message>
        <source>New &amp;Account</source>
        <translation>Nueva &amp;cuenta</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importar...</translation>
    </message>
    <message>
        <source>Kestrelwood &amp;Account...</source>
        <translation>C&amp;uenta de Kestrelwood...</translation>
    </message>
    <message>
        <source>&amp;Sign In...</source>
        <translation>Iniciar s&amp;esión...</translation>
    </message>
    <message>
        <source>Sign &amp;Out</source>
        <translation>Cerrar s&amp;esión</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edición</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Buscar...</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>&amp;Preferencias...</translation>
    </message>
    <message>
        <source>&amp;Account</source>
        <translation>&amp;Cuenta</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Editar...</translation>
    </message>
    <message>
        <source>&amp;Reconcile...</source>
        <translation>&amp;Conciliar...</translation>
    </message>
    <message>
        <source>Reconciliation &amp;History...</source>
        <translation>&amp;Historial de conciliaciones...</translation>
    </message>
    <message>
        <source>Rename &amp;Payees...</source>
        <translation>Renombrar &amp;beneficiarios...</translation>
    </message>
    <message>
        <source>&amp;Share...</source>
        <translation>Co&amp;mpartir...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>E&amp;liminar</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Reports</source>
        <translation>&amp;Informes</translation>
    </message>
    <message>
        <source>Re&amp;curring Transactions</source>
        <translation>Transacciones &amp;periódicas</translation>
    </message>
    <message>
        <source>C&amp;ategories</source>
        <translation>&amp;Categorías</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;About Kestrelwood Checkbook</source>
        <translation>&amp;Acerca de Kestrelwood Checkbook</translation>
    </message>
    <message>
        <source>What&apos;s &amp;New...</source>
        <translation>&amp;Novedades...</translation>
    </message>
    <message>
        <source>Check for &amp;Updates...</source>
        <translation>Buscar &amp;actualizaciones...</translation>
    </message>
    <message>
        <source>Send &amp;Feedback...</source>
        <translation>Enviar &amp;comentarios...</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>Atajos de &amp;teclado</translation>
    </message>
    <message>
        <source>Load &amp;Sample Data</source>
        <translation>Cargar datos de &amp;ejemplo</translation>
    </message>
    <message>
        <source>&amp;Clear Sample Data</source>
        <translation>&amp;Borrar datos de ejemplo</translation>
    </message>
    <message>
        <source>Welcome to Kestrelwood Checkbook</source>
        <translation>Bienvenido a Kestrelwood Checkbook</translation>
    </message>
    <message>
        <source>Create your first account to get started.</source>
        <translation>Cree su primera cuenta para empezar.</translation>
    </message>
    <message>
        <source>Create Account</source>
        <translation>Crear cuenta</translation>
    </message>
    <message>
        <source>You can also import transactions from a CSV file via File › Import.</source>
        <translation>También puede importar transacciones desde un archivo CSV en Archivo › Importar.</translation>
    </message>
    <message>
        <source>Not signed in</source>
        <translation>Sin sesión iniciada</translation>
    </message>
    <message>
        <source>Select an account first</source>
        <translation>Seleccione primero una cuenta</translation>
    </message>
    <message>
        <source>About Kestrelwood Checkbook</source>
        <translation>Acerca de Kestrelwood Checkbook</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Registro</translation>
    </message>
    <message>
        <source>Save transaction</source>
        <translation>Guardar transacción</translation>
    </message>
    <message>
        <source>Delete current transaction</source>
        <translation>Eliminar la transacción actual</translation>
    </message>
    <message>
        <source>Next / previous field</source>
        <translation>Campo siguiente / anterior</translation>
    </message>
    <message>
        <source>&apos; (apostrophe)</source>
        <translation>&apos; (apóstrofo)</translation>
    </message>
    <message>
        <source>Copy value from field above</source>
        <translation>Copiar el valor del campo de arriba</translation>
    </message>
    <message>
        <source>Date Field</source>
        <translation>Campo de fecha</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Hoy</translation>
    </message>
    <message>
        <source>Next / previous day</source>
        <translation>Día siguiente / anterior</translation>
    </message>
    <message>
        <source>First / last day of month</source>
        <translation>Primer / último día del mes</translation>
    </message>
    <message>
        <source>First / last day of year</source>
        <translation>Primer / último día del año</translation>
    </message>
    <message>
        <source>First / last day of week</source>
        <translation>Primer / último día de la semana</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>New account</source>
        <translation>Nueva cuenta</translation>
    </message>
    <message>
        <source>Reconcile account</source>
        <translation>Conciliar cuenta</translation>
    </message>
    <message>
        <source>Search transactions</source>
        <translation>Buscar transacciones</translation>
    </message>
    <message>
        <source>Recurring transactions</source>
        <translation>Transacciones periódicas</translation>
    </message>
    <message>
        <source>Accounts</source>
        <translation>Cuentas</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>Switch to account 1 to 9</source>
        <translation>Cambiar a la cuenta 1 a 9</translation>
    </message>
    <message>
        <source>Switch to account 10</source>
        <translation>Cambiar a la cuenta 10</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Atajos de teclado</translation>
    </message>
    <message>
        <source>New Account</source>
        <translation>Nueva cuenta</translation>
    </message>
    <message>
        <source>The account could not be created.</source>
        <translation>No se pudo crear la cuenta.</translation>
    </message>
    <message>
        <source>Edit Account</source>
        <translation>Editar cuenta</translation>
    </message>
    <message>
        <source>The account could not be saved.</source>
        <translation>No se pudo guardar la cuenta.</translation>
    </message>
    <message>
        <source>The account could not be deleted.</source>
        <translation>No se pudo eliminar la cuenta.</translation>
    </message>
    <message>
        <source>Transaction memorized as recurring</source>
        <translation>Transacción memorizada como periódica</translation>
    </message>
    <message>
        <source>Not Saved</source>
        <translation>No guardado</translation>
    </message>
    <message>
        <source>The recurring transaction could not be saved.</source>
        <translation>No se pudo guardar el movimiento periódico.</translation>
    </message>
    <message>
        <source>Insert new transaction (elsewhere: import)</source>
        <translation>Insertar un movimiento nuevo (en otras partes: importar)</translation>
    </message>
    <message>
        <source>New transaction in a form (elsewhere: in the register)</source>
        <translation>Movimiento nuevo en un formulario (en otras partes: en el registro)</translation>
    </message>
    <message>
        <source>Memorize as recurring transaction</source>
        <translation>Memorizar como movimiento recurrente</translation>
    </message>
    <message>
        <source>Open the list or calendar</source>
        <translation>Abrir la lista o el calendario</translation>
    </message>
    <message>
        <source>Reconcile — %1</source>
        <translation>Conciliar — %1</translation>
    </message>
    <message numerus="yes">
        <source>Auto-posted %n recurring transaction(s)</source>
        <translation>
            <numerusform>Se registró automáticamente %n movimiento periódico</numerusform>
            <numerusform>Se registraron automáticamente %n movimientos periódicos</numerusform>
        </translation>
    </message>
    <message>
        <source>Some recurring transactions were not posted automatically:</source>
        <translation>Algunos movimientos periódicos no se registraron automáticamente:</translation>
    </message>
    <message>
        <source>This transaction was deleted.</source>
        <translation>Este movimiento se ha eliminado.</translation>
    </message>
    <message>
        <source>Sample Data</source>
        <translation>Datos de ejemplo</translation>
    </message>
    <message>
        <source>Sample data is already loaded.</source>
        <translation>Los datos de ejemplo ya están cargados.</translation>
    </message>
    <message>
        <source>The sample data could not be loaded.</source>
        <translation>No se pudieron cargar los datos de ejemplo.</translation>
    </message>
    <message>
        <source>Sample data loaded</source>
        <translation>Datos de ejemplo cargados</translation>
    </message>
    <message>
        <source>No sample data to clear.</source>
        <translation>No hay datos de ejemplo que borrar.</translation>
    </message>
    <message>
        <source>Clear Sample Data</source>
        <translation>Borrar datos de ejemplo</translation>
    </message>
    <message>
        <source>Remove the sample accounts with all their transactions and recurring transactions?</source>
        <translation>¿Eliminar las cuentas de ejemplo con todos sus movimientos y movimientos periódicos?</translation>
    </message>
    <message>
        <source>The sample data could not be cleared.</source>
        <translation>No se pudieron borrar los datos de ejemplo.</translation>
    </message>
    <message>
        <source>Sample data cleared</source>
        <translation>Datos de ejemplo borrados</translation>
    </message>
    <message>
        <source>Signed in successfully</source>
        <translation>Sesión iniciada correctamente</translation>
    </message>
    <message>
        <source>Sign-in failed: %1</source>
        <translation>No se pudo iniciar sesión: %1</translation>
    </message>
    <message>
        <source>Sign-In Not Remembered</source>
        <translation>Inicio de sesión no recordado</translation>
    </message>
    <message>
        <source>Your sign-in could not be saved in the system&apos;s keyring, so you will need to sign in again the next time you start Kestrelwood Checkbook.</source>
        <translation>No se pudo guardar su inicio de sesión en el llavero del sistema, así que tendrá que volver a iniciar sesión la próxima vez que abra Kestrelwood Checkbook.</translation>
    </message>
    <message>
        <source>Sharing: %1</source>
        <translation>Compartir: %1</translation>
    </message>
    <message>
        <source>Share this account with members of your Kestrelwood family group. They&apos;ll see the same register, balances, and reconciliation history on their devices.</source>
        <translation>Comparta esta cuenta con los miembros de su grupo familiar de Kestrelwood. Verán el mismo registro, los mismos saldos y el mismo historial de conciliación en sus dispositivos.</translation>
    </message>
    <message>
        <source>Shared with</source>
        <translation>Compartida con</translation>
    </message>
    <message>
        <source>Not shared with anyone yet.</source>
        <translation>Todavía no se comparte con nadie.</translation>
    </message>
    <message>
        <source>You are not in a family group yet. Invite someone or join a group in File › Kestrelwood Account, then share this account here.</source>
        <translation>Todavía no pertenece a ningún grupo familiar. Invite a alguien o únase a un grupo en Archivo › Cuenta de Kestrelwood y luego comparta aquí esta cuenta.</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Compartir</translation>
    </message>
    <message>
        <source>Remove Selected</source>
        <translation>Quitar lo seleccionado</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Share Failed</source>
        <translation>Error al compartir</translation>
    </message>
    <message>
        <source>Remove Failed</source>
        <translation>Error al quitar</translation>
    </message>
    <message>
        <source>Remove Share</source>
        <translation>Dejar de compartir</translation>
    </message>
    <message>
        <source>Remove %1&apos;s access to this account?</source>
        <translation>¿Quitar el acceso de %1 a esta cuenta?</translation>
    </message>
    <message>
        <source>Sync complete</source>
        <translation>Sincronización completada</translation>
    </message>
    <message>
        <source>Sync failed: %1</source>
        <translation>Error de sincronización: %1</translation>
    </message>
    <message>
        <source>Sync paused</source>
        <translation>Sincronización en pausa</translation>
    </message>
    <message>
        <source>Different Account</source>
        <translation>Otra cuenta</translation>
    </message>
    <message>
        <source>This device&apos;s books could not be prepared for the account you signed in with, so nothing was synced. %1</source>
        <translation>No se pudieron preparar los datos de este equipo para la cuenta con la que inició sesión, así que no se sincronizó nada. %1</translation>
    </message>
</context>
<context>
    <name>Manifest</name>
    <message>
        <source>missing or non-string field: %1</source>
        <translation>falta el campo %1 o no es texto</translation>
    </message>
    <message>
        <source>artifact %1 is not an object</source>
        <translation>el artefacto %1 no es un objeto</translation>
    </message>
    <message>
        <source>artifact %1 failed validation</source>
        <translation>el artefacto %1 no superó la validación</translation>
    </message>
    <message>
        <source>JSON parse error: %1</source>
        <translation>error al leer el JSON: %1</translation>
    </message>
    <message>
        <source>manifest root is not a JSON object</source>
        <translation>la raíz del manifiesto no es un objeto JSON</translation>
    </message>
    <message>
        <source>missing or non-integer field: schema</source>
        <translation>falta el campo schema o no es un entero</translation>
    </message>
    <message>
        <source>unsupported manifest schema: %1 (expected %2)</source>
        <translation>esquema de manifiesto no admitido: %1 (se esperaba %2)</translation>
    </message>
    <message>
        <source>missing or non-object field: artifacts</source>
        <translation>falta el campo artifacts o no es un objeto</translation>
    </message>
    <message>
        <source>manifest failed validation</source>
        <translation>el manifiesto no superó la validación</translation>
    </message>
</context>
<context>
    <name>PayeeMemoEditor</name>
    <message>
        <source>Memo</source>
        <translation>Nota</translation>
    </message>
</context>
<context>
    <name>PayeeScreen</name>
    <message>
        <source>Select the payees to rename first.</source>
        <translation>Seleccione primero los beneficiarios que desea renombrar.</translation>
    </message>
    <message>
        <source>Type the new name under &quot;Rename to:&quot; first.</source>
        <translation>Escriba primero el nuevo nombre en «Renombrar a:».</translation>
    </message>
    <message>
        <source>Rename Payees</source>
        <translation>Renombrar beneficiarios</translation>
    </message>
    <message>
        <source>The payees could not be renamed.</source>
        <translation>No se pudieron renombrar los beneficiarios.</translation>
    </message>
    <message>
        <source>Rename Complete</source>
        <translation>Cambio de nombre completado</translation>
    </message>
    <message numerus="yes">
        <source>Renamed %n transaction(s).</source>
        <translation>
            <numerusform>Se cambió el beneficiario de %n movimiento.</numerusform>
            <numerusform>Se cambió el beneficiario de %n movimientos.</numerusform>
        </translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Combinar</translation>
    </message>
    <message>
        <source>Select 2 or more payees to merge.</source>
        <translation>Seleccione 2 o más beneficiarios para combinarlos.</translation>
    </message>
    <message>
        <source>Merge Payees</source>
        <translation>Combinar beneficiarios</translation>
    </message>
    <message>
        <source>The payees could not be merged.</source>
        <translation>No se pudieron combinar los beneficiarios.</translation>
    </message>
    <message>
        <source>Merge Complete</source>
        <translation>Combinación completada</translation>
    </message>
    <message numerus="yes">
        <source>Merged %n transaction(s).</source>
        <translation>
            <numerusform>Se unificó el beneficiario de %n movimiento.</numerusform>
            <numerusform>Se unificó el beneficiario de %n movimientos.</numerusform>
        </translation>
    </message>
    <message>
        <source>Payees</source>
        <translation>Beneficiarios</translation>
    </message>
    <message>
        <source>Rename to:</source>
        <translation>Renombrar a:</translation>
    </message>
    <message>
        <source>Rename Selected</source>
        <translation>Renombrar selección</translation>
    </message>
    <message>
        <source>Merge Selected</source>
        <translation>Combinar selección</translation>
    </message>
    <message>
        <source>Merge %1 payees into &quot;%2&quot;?</source>
        <translation>¿Combinar %1 beneficiarios en «%2»?</translation>
    </message>
</context>
<context>
    <name>PaymentDepositChoice</name>
    <message>
        <source>Payment</source>
        <translation>Pago</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Depósito</translation>
    </message>
</context>
<context>
    <name>PaymentFormFields</name>
    <message>
        <source>Start typing to search payees...</source>
        <translation>Escriba para buscar beneficiarios...</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(ninguna)</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>Opcional</translation>
    </message>
</context>
<context>
    <name>ReconciliationHistoryScreen</name>
    <message>
        <source>Reconciliation History</source>
        <translation>Historial de conciliaciones</translation>
    </message>
    <message>
        <source>Past reconciliations for this account.</source>
        <translation>Conciliaciones anteriores de esta cuenta.</translation>
    </message>
    <message>
        <source>Statement Date</source>
        <translation>Fecha del extracto</translation>
    </message>
    <message>
        <source>Statement Balance</source>
        <translation>Saldo del extracto</translation>
    </message>
    <message>
        <source>Reconciled Balance</source>
        <translation>Saldo conciliado</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Fecha de finalización</translation>
    </message>
    <message>
        <source>No reconciliations yet. Reconcile your account from the register to see the history here.</source>
        <translation>Aún no hay conciliaciones. Concilie la cuenta desde el registro para ver aquí el historial.</translation>
    </message>
    <message>
        <source>Reconciliation History — %1</source>
        <translation>Historial de conciliaciones — %1</translation>
    </message>
</context>
<context>
    <name>ReconciliationModel</name>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Beneficiario</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importe</translation>
    </message>
    <message>
        <source>Clr</source>
        <translation>Comp</translation>
    </message>
</context>
<context>
    <name>ReconciliationScreen</name>
    <message>
        <source>Reconcile Account</source>
        <translation>Conciliar cuenta</translation>
    </message>
    <message>
        <source>Statement Date:</source>
        <translation>Fecha del extracto:</translation>
    </message>
    <message>
        <source>Statement Balance:</source>
        <translation>Saldo del extracto:</translation>
    </message>
    <message>
        <source>Previous Balance</source>
        <translation>Saldo anterior</translation>
    </message>
    <message>
        <source>Cleared Deposits</source>
        <translation>Depósitos compensados</translation>
    </message>
    <message>
        <source>Cleared Withdrawals</source>
        <translation>Retiradas compensadas</translation>
    </message>
    <message>
        <source>Cleared Balance</source>
        <translation>Saldo compensado</translation>
    </message>
    <message>
        <source>Statement Balance</source>
        <translation>Saldo del extracto</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Diferencia</translation>
    </message>
    <message>
        <source>Finish Reconciliation</source>
        <translation>Finalizar conciliación</translation>
    </message>
    <message>
        <source>Finish when the difference is zero (%1)</source>
        <translation>Finalizar cuando la diferencia sea cero (%1)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Add Transaction</source>
        <translation>Añadir transacción</translation>
    </message>
    <message>
        <source>Add a transaction (%1)</source>
        <translation>Añadir una transacción (%1)</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Edit selected transaction (F2)</source>
        <translation>Editar la transacción seleccionada (F2)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Delete selected transaction (Del)</source>
        <translation>Eliminar la transacción seleccionada (Supr)</translation>
    </message>
    <message>
        <source>Enter a valid date, such as %1</source>
        <translation>Introduzca una fecha válida, por ejemplo %1</translation>
    </message>
    <message>
        <source>The ticked transactions must match the statement balance: the difference is %1.</source>
        <translation>Los movimientos marcados deben coincidir con el saldo del extracto: la diferencia es %1.</translation>
    </message>
    <message>
        <source>Not Reconciled</source>
        <translation>No conciliada</translation>
    </message>
    <message>
        <source>The account was not reconciled; nothing was changed.</source>
        <translation>La cuenta no se ha conciliado; no se ha cambiado nada.</translation>
    </message>
    <message>
        <source>Reconciliation Complete</source>
        <translation>Conciliación completada</translation>
    </message>
    <message>
        <source>Account reconciled successfully.</source>
        <translation>La cuenta se ha conciliado correctamente.</translation>
    </message>
    <message>
        <source>Not Saved</source>
        <translation>No guardado</translation>
    </message>
    <message>
        <source>The transaction could not be saved.</source>
        <translation>No se pudo guardar el movimiento.</translation>
    </message>
    <message>
        <source>Not Deleted</source>
        <translation>No eliminado</translation>
    </message>
    <message>
        <source>The transaction could not be deleted.</source>
        <translation>No se pudo eliminar el movimiento.</translation>
    </message>
    <message>
        <source>Select a transaction in the list first.</source>
        <translation>Seleccione primero un movimiento de la lista.</translation>
    </message>
    <message>
        <source>too large</source>
        <translation>demasiado grande</translation>
    </message>
</context>
<context>
    <name>ReconciliationService</name>
    <message>
        <source>The account no longer exists.</source>
        <translation>La cuenta ya no existe.</translation>
    </message>
    <message>
        <source>The statement date is not a valid date.</source>
        <translation>La fecha del extracto no es una fecha válida.</translation>
    </message>
    <message>
        <source>Transactions reconciled before were changed elsewhere, so the ticked ones no longer add up to the statement balance of %1.</source>
        <translation>Se modificaron en otro lugar movimientos conciliados anteriormente, por lo que los marcados ya no suman el saldo del extracto de %1.</translation>
    </message>
    <message>
        <source>The amount of &quot;%1&quot; was changed elsewhere from %2 to %3.</source>
        <translation>El importe de «%1» se cambió en otro lugar de %2 a %3.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was reconciled elsewhere meanwhile.</source>
        <translation>«%1» se concilió mientras tanto en otro lugar.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was deleted elsewhere after the reconciliation window read it.</source>
        <translation>«%1» se eliminó en otro lugar después de que la ventana de conciliación lo cargara.</translation>
    </message>
</context>
<context>
    <name>RecurringFormDialog</name>
    <message>
        <source>Memorize Transaction</source>
        <translation>Memorizar transacción</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tipo:</translation>
    </message>
    <message>
        <source>Payee:</source>
        <translation>Beneficiario:</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Importe:</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Diaria</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Semanal</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Mensual</translation>
    </message>
    <message>
        <source>Quarterly</source>
        <translation>Trimestral</translation>
    </message>
    <message>
        <source>Frequency:</source>
        <translation>Frecuencia:</translation>
    </message>
    <message>
        <source>Start Date:</source>
        <translation>Fecha de inicio:</translation>
    </message>
    <message>
        <source>Auto-post when due</source>
        <translation>Registrar automáticamente al vencer</translation>
    </message>
    <message>
        <source>New Recurring Transaction</source>
        <translation>Nueva transacción periódica</translation>
    </message>
    <message>
        <source>Edit Recurring Transaction</source>
        <translation>Editar transacción periódica</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Cuenta:</translation>
    </message>
    <message>
        <source>(deleted account)</source>
        <translation>(cuenta eliminada)</translation>
    </message>
    <message>
        <source>Transfer to:</source>
        <translation>Transferir a:</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Categoría:</translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation>Nota:</translation>
    </message>
    <message>
        <source>Bi-weekly</source>
        <translation>Cada 2 semanas</translation>
    </message>
    <message>
        <source>Semi-annual</source>
        <translation>Semestral</translation>
    </message>
    <message>
        <source>Annual</source>
        <translation>Anual</translation>
    </message>
    <message>
        <source>Has end date</source>
        <translation>Con fecha de finalización</translation>
    </message>
    <message>
        <source>End Date:</source>
        <translation>Fecha de finalización:</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Activa</translation>
    </message>
    <message>
        <source>(deleted category)</source>
        <translation>(categoría eliminada)</translation>
    </message>
    <message>
        <source>Rounded to %1: amounts in %2 have no fractions.</source>
        <translation>Redondeado a %1: los importes en %2 no tienen decimales.</translation>
    </message>
    <message>
        <source>Next due on %1.</source>
        <translation>Próximo vencimiento: %1.</translation>
    </message>
    <message>
        <source>It ends before it is next due on %1, so it would never post: it is saved as inactive.</source>
        <translation>Finaliza antes de su próximo vencimiento, el %1, por lo que nunca se registraría: se guarda como inactivo.</translation>
    </message>
    <message>
        <source>Next due on %1; the transaction of %2 is already in the register.</source>
        <translation>Próximo vencimiento: %1; el movimiento del %2 ya está en el registro.</translation>
    </message>
    <message>
        <source>Enter a valid date, such as %1</source>
        <translation>Introduzca una fecha válida, por ejemplo %1</translation>
    </message>
    <message>
        <source>Create an account first: a recurring transaction posts into one.</source>
        <translation>Cree primero una cuenta: los movimientos periódicos se registran en una cuenta.</translation>
    </message>
    <message>
        <source>Payee is required</source>
        <translation>El beneficiario es obligatorio</translation>
    </message>
    <message>
        <source>Enter a payment or deposit amount</source>
        <translation>Introduzca un importe de pago o de depósito</translation>
    </message>
    <message>
        <source>There is no category &quot;%1&quot;. Choose one from the list.</source>
        <translation>No hay ninguna categoría «%1». Elija una de la lista.</translation>
    </message>
    <message>
        <source>Enter a start date in 2000 or later.</source>
        <translation>Introduzca una fecha de inicio a partir del año 2000.</translation>
    </message>
    <message>
        <source>Transfer account not found</source>
        <translation>No se encontró la cuenta de la transferencia</translation>
    </message>
    <message>
        <source>Transfers require both accounts to use the same currency</source>
        <translation>Las transferencias requieren que ambas cuentas usen la misma moneda</translation>
    </message>
</context>
<context>
    <name>RecurringModel</name>
    <message>
        <source>Account</source>
        <translation>Cuenta</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Beneficiario</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importe</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frecuencia</translation>
    </message>
    <message>
        <source>Next Due</source>
        <translation>Próximo vencimiento</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Automático</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Activa</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation>Inactiva</translation>
    </message>
</context>
<context>
    <name>RecurringScreen</name>
    <message>
        <source>Recurring Transactions</source>
        <translation>Transacciones periódicas</translation>
    </message>
    <message>
        <source>Confirm All Due</source>
        <translation>Confirmar todas las pendientes</translation>
    </message>
    <message>
        <source>New Recurring</source>
        <translation>Nueva transacción periódica</translation>
    </message>
    <message>
        <source>(%1 due)</source>
        <translation>(pendientes: %1)</translation>
    </message>
    <message>
        <source>• %1: %2</source>
        <translation>• %1: %2</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Confirm</source>
        <translation>&amp;Confirmar</translation>
    </message>
    <message>
        <source>&amp;Skip</source>
        <translation>&amp;Omitir</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>E&amp;liminar</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmar</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not posted.</source>
        <translation>No se registró «%1».</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Omitir</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not skipped.</source>
        <translation>No se omitió «%1».</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Delete recurring &quot;%1&quot;?</source>
        <translation>¿Eliminar la transacción periódica «%1»?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be deleted.</source>
        <translation>No se pudo eliminar «%1».</translation>
    </message>
    <message numerus="yes">
        <source>%n recurring transaction(s) posted.</source>
        <translation>
            <numerusform>Se registró %n movimiento periódico.</numerusform>
            <numerusform>Se registraron %n movimientos periódicos.</numerusform>
        </translation>
    </message>
    <message>
        <source>Not posted:</source>
        <translation>No registrados:</translation>
    </message>
    <message>
        <source>The recurring transaction could not be saved.</source>
        <translation>No se pudo guardar el movimiento periódico.</translation>
    </message>
</context>
<context>
    <name>RecurringService</name>
    <message>
        <source>This recurring transaction was deleted elsewhere.</source>
        <translation>Este movimiento periódico se eliminó en otro lugar.</translation>
    </message>
    <message>
        <source>This recurring transaction is inactive.</source>
        <translation>Este movimiento periódico está inactivo.</translation>
    </message>
    <message>
        <source>Its next due date is not a valid date, so it was made inactive. Give it a new start date to use it again.</source>
        <translation>Su próxima fecha de vencimiento no es válida, por lo que se ha desactivado. Asígnele una nueva fecha de inicio para volver a usarlo.</translation>
    </message>
    <message>
        <source>The occurrence due on %1 is already in the register, so it was not posted again.</source>
        <translation>El movimiento con vencimiento el %1 ya está en el registro, por lo que no se registró de nuevo.</translation>
    </message>
    <message>
        <source>A whole year of missed occurrences was posted at once, so it was made inactive. Check its dates before making it active again.</source>
        <translation>Se registró de una vez un año entero de vencimientos atrasados, por lo que se ha desactivado. Compruebe sus fechas antes de volver a activarlo.</translation>
    </message>
    <message>
        <source>It ended on %1, before its next due date %2, so nothing was posted and it was made inactive.</source>
        <translation>Finalizó el %1, antes de su próximo vencimiento, el %2, por lo que no se registró nada y se ha desactivado.</translation>
    </message>
</context>
<context>
    <name>RegisterModel</name>
    <message>
        <source>Payee / Memo</source>
        <translation>Beneficiario / Nota</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Chk #</source>
        <translation>N.º</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Beneficiario</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Pago</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Depósito</translation>
    </message>
    <message>
        <source>Clr</source>
        <translation>Comp</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Desbordamiento</translation>
    </message>
    <message>
        <source>The balance is too large to show.</source>
        <translation>El saldo es demasiado grande para mostrarlo.</translation>
    </message>
</context>
<context>
    <name>RegisterScreen</name>
    <message>
        <source>Cannot memorize: source transaction has an invalid date</source>
        <translation>No se puede memorizar: la transacción de origen tiene una fecha no válida</translation>
    </message>
    <message>
        <source>&amp;Insert New</source>
        <translation>&amp;Insertar nueva</translation>
    </message>
    <message>
        <source>&amp;New Transaction...</source>
        <translation>&amp;Nueva transacción...</translation>
    </message>
    <message>
        <source>Mark &amp;Uncleared</source>
        <translation>Marcar como no co&amp;mpensada</translation>
    </message>
    <message>
        <source>Mark &amp;Cleared</source>
        <translation>Marcar como &amp;compensada</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>E&amp;liminar</translation>
    </message>
    <message>
        <source>Fields cleared</source>
        <translation>Campos borrados</translation>
    </message>
    <message>
        <source>Reconcile</source>
        <translation>Conciliar</translation>
    </message>
    <message>
        <source>%1: save  |  Enter: next  |  %2: delete  |  %3: memorize  |  &apos;: copy above</source>
        <translation>%1: guardar  |  Intro: siguiente  |  %2: eliminar  |  %3: memorizar  |  &apos;: copiar de arriba</translation>
    </message>
    <message>
        <source>Payee is required</source>
        <translation>El beneficiario es obligatorio</translation>
    </message>
    <message>
        <source>Enter a payment or deposit amount</source>
        <translation>Introduzca un importe de pago o de depósito</translation>
    </message>
    <message>
        <source>Enter a valid amount</source>
        <translation>Introduzca un importe válido</translation>
    </message>
    <message>
        <source>Transfer account not found</source>
        <translation>No se encontró la cuenta de la transferencia</translation>
    </message>
    <message>
        <source>Transfers require both accounts to use the same currency</source>
        <translation>Las transferencias requieren que ambas cuentas usen la misma moneda</translation>
    </message>
    <message>
        <source>The transaction could not be changed.</source>
        <translation>No se pudo modificar el movimiento.</translation>
    </message>
    <message>
        <source>The transaction could not be deleted.</source>
        <translation>No se pudo eliminar el movimiento.</translation>
    </message>
    <message>
        <source>The transaction could not be saved.</source>
        <translation>No se pudo guardar el movimiento.</translation>
    </message>
    <message>
        <source>Transaction Changed</source>
        <translation>Movimiento modificado</translation>
    </message>
    <message>
        <source>%1

What you typed is still on screen.</source>
        <translation>%1

Lo que escribió sigue en pantalla.</translation>
    </message>
    <message>
        <source>Keep Editing</source>
        <translation>Seguir editando</translation>
    </message>
    <message>
        <source>Show Saved Version</source>
        <translation>Mostrar la versión guardada</translation>
    </message>
    <message>
        <source>Save Mine Instead</source>
        <translation>Guardar la mía</translation>
    </message>
    <message>
        <source>Not Saved</source>
        <translation>No guardado</translation>
    </message>
    <message>
        <source>The opening balance is not a transaction: change it with Account › Edit.</source>
        <translation>El saldo inicial no es un movimiento: cámbielo en Cuenta › Editar.</translation>
    </message>
    <message>
        <source>Enter a valid date, such as %1</source>
        <translation>Introduzca una fecha válida, por ejemplo %1</translation>
    </message>
    <message>
        <source>No category is named &quot;%1&quot;</source>
        <translation>No hay ninguna categoría llamada «%1»</translation>
    </message>
    <message>
        <source>&quot;%1&quot; fits more than one category: choose one from the list</source>
        <translation>«%1» corresponde a más de una categoría: elija una de la lista</translation>
    </message>
    <message>
        <source>The transaction you were changing was deleted by another program.</source>
        <translation>Otro programa eliminó el movimiento que estaba modificando.</translation>
    </message>
    <message>
        <source>Unsaved Transaction</source>
        <translation>Movimiento sin guardar</translation>
    </message>
    <message>
        <source>The new transaction you typed is not saved yet.</source>
        <translation>El movimiento nuevo que escribió aún no se ha guardado.</translation>
    </message>
    <message>
        <source>Your changes to this transaction are not saved yet.</source>
        <translation>Sus cambios en este movimiento aún no se han guardado.</translation>
    </message>
    <message>
        <source>Save it, discard what you typed, or keep editing?</source>
        <translation>¿Guardarlo, descartar lo escrito o seguir editando?</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Descartar</translation>
    </message>
</context>
<context>
    <name>ReportChart</name>
    <message>
        <source>No data for this period</source>
        <translation>No hay datos para este periodo</translation>
    </message>
    <message>
        <source>The chart is not shown, so there is no picture to save.</source>
        <translation>El gráfico no se muestra, así que no hay ninguna imagen que guardar.</translation>
    </message>
    <message>
        <source>The file %1 could not be opened for writing: %2</source>
        <translation>No se pudo abrir el archivo %1 para escribir: %2</translation>
    </message>
    <message>
        <source>The picture could not be written to %1: %2</source>
        <translation>No se pudo escribir la imagen en %1: %2</translation>
    </message>
    <message>
        <source>The file %1 could not be written: %2</source>
        <translation>No se pudo escribir el archivo %1: %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Otra</translation>
    </message>
    <message>
        <source>%1 %2: %3</source>
        <translation>%1 %2: %3</translation>
    </message>
    <message>
        <source>Period 1</source>
        <translation>Periodo 1</translation>
    </message>
    <message>
        <source>Period 2</source>
        <translation>Periodo 2</translation>
    </message>
    <message>
        <source>%1, %2: %3</source>
        <translation>%1, %2: %3</translation>
    </message>
    <message>
        <source>Net Worth (%1)</source>
        <translation>Patrimonio neto (%1)</translation>
    </message>
</context>
<context>
    <name>ReportPeriods</name>
    <message>
        <source>This Year vs Last Year</source>
        <translation>Este año frente al año pasado</translation>
    </message>
    <message>
        <source>Last Year vs Year Before</source>
        <translation>El año pasado frente al anterior</translation>
    </message>
    <message>
        <source>This Quarter vs Last Quarter</source>
        <translation>Este trimestre frente al anterior</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizado</translation>
    </message>
</context>
<context>
    <name>ReportService</name>
    <message>
        <source>All Accounts (%1)</source>
        <translation>Todas las cuentas (%1)</translation>
    </message>
    <message>
        <source>All Accounts</source>
        <translation>Todas las cuentas</translation>
    </message>
    <message>
        <source>The file %1 could not be opened for writing: %2</source>
        <translation>No se pudo abrir el archivo %1 para escribir: %2</translation>
    </message>
    <message>
        <source>The file %1 could not be written: %2</source>
        <translation>No se pudo escribir el archivo %1: %2</translation>
    </message>
</context>
<context>
    <name>ReportTable</name>
    <message>
        <source>Month</source>
        <translation>Mes</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>Ingresos</translation>
    </message>
    <message>
        <source>Expenses</source>
        <translation>Gastos</translation>
    </message>
    <message>
        <source>Net</source>
        <translation>Neto</translation>
    </message>
    <message>
        <source>Inflows</source>
        <translation>Entradas</translation>
    </message>
    <message>
        <source>Outflows</source>
        <translation>Salidas</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Beneficiario</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Número</translation>
    </message>
    <message>
        <source>Tax Code</source>
        <translation>Código fiscal</translation>
    </message>
    <message>
        <source>too large</source>
        <translation>demasiado grande</translation>
    </message>
    <message>
        <source>Period 1</source>
        <translation>Periodo 1</translation>
    </message>
    <message>
        <source>Period 2</source>
        <translation>Periodo 2</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Diferencia</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Cuenta</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Compensada</translation>
    </message>
    <message>
        <source>Uncleared</source>
        <translation>No compensada</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importe</translation>
    </message>
    <message>
        <source>Checking</source>
        <translation>Corriente</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>Ahorros</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>Tarjeta de crédito</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Efectivo</translation>
    </message>
    <message>
        <source>Investment</source>
        <translation>Inversión</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Otra</translation>
    </message>
</context>
<context>
    <name>ReportsScreen</name>
    <message>
        <source>Reports</source>
        <translation>Informes</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exportar CSV</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Cuenta:</translation>
    </message>
    <message>
        <source>Period:</source>
        <translation>Periodo:</translation>
    </message>
    <message>
        <source>Category Spending</source>
        <translation>Gastos por categoría</translation>
    </message>
    <message>
        <source>Payee Summary</source>
        <translation>Resumen por beneficiario</translation>
    </message>
    <message>
        <source>Tax Report</source>
        <translation>Informe fiscal</translation>
    </message>
    <message>
        <source>Income vs Expenses</source>
        <translation>Ingresos y gastos</translation>
    </message>
    <message>
        <source>Cash Flow</source>
        <translation>Flujo de caja</translation>
    </message>
    <message>
        <source>Year-over-Year</source>
        <translation>Comparación interanual</translation>
    </message>
    <message>
        <source>Account Summary</source>
        <translation>Resumen de cuentas</translation>
    </message>
    <message>
        <source>Transactions</source>
        <translation>Transacciones</translation>
    </message>
    <message>
        <source>Compare:</source>
        <translation>Comparar:</translation>
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
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>Export Failed</source>
        <translation>Error al exportar</translation>
    </message>
    <message>
        <source>The report was not exported.

%1</source>
        <translation>El informe no se ha exportado.

%1</translation>
    </message>
    <message>
        <source>Show Charts</source>
        <translation>Mostrar gráficos</translation>
    </message>
    <message>
        <source>Export Chart</source>
        <translation>Exportar gráfico</translation>
    </message>
    <message>
        <source>PNG Images (*.png)</source>
        <translation>Imágenes PNG (*.png)</translation>
    </message>
    <message>
        <source>The chart was not exported.

%1</source>
        <translation>El gráfico no se ha exportado.

%1</translation>
    </message>
    <message>
        <source>This report has no chart.</source>
        <translation>Este informe no tiene gráfico.</translation>
    </message>
</context>
<context>
    <name>RestoreResult</name>
    <message>
        <source>Import Complete</source>
        <translation>Importación completada</translation>
    </message>
    <message>
        <source>Import Failed</source>
        <translation>Error en la importación</translation>
    </message>
    <message>
        <source>Imported %1 items, skipped %2.</source>
        <translation>Se importaron %1 elementos y se omitieron %2.</translation>
    </message>
    <message numerus="yes">
        <source>

%n error(s) occurred.</source>
        <translation>
            <numerusform>

Se produjo %n error.</numerusform>
            <numerusform>

Se produjeron %n errores.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SampleDataService</name>
    <message>
        <source>Main Checking</source>
        <translation>Cuenta corriente principal</translation>
    </message>
    <message>
        <source>Riverbend Credit Union</source>
        <translation>Riverbend Credit Union</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>Ahorros</translation>
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
        <translation>Los datos de ejemplo ya están cargados.</translation>
    </message>
    <message>
        <source>No sample data to clear.</source>
        <translation>No hay datos de ejemplo que borrar.</translation>
    </message>
    <message numerus="yes">
        <source>The sample data was left in place: %n of your own entries (transactions, recurring transactions or reconciliations, including deleted ones) are in the sample accounts or transfer to them. Removing the sample accounts would take them along.</source>
        <translation>
            <numerusform>Los datos de ejemplo se han dejado como estaban: %n entrada propia (movimientos, movimientos periódicos o conciliaciones, incluidos los eliminados) está en las cuentas de ejemplo o es una transferencia a ellas. Al eliminar las cuentas de ejemplo, también se eliminaría.</numerusform>
            <numerusform>Los datos de ejemplo se han dejado como estaban: %n entradas propias (movimientos, movimientos periódicos o conciliaciones, incluidos los eliminados) están en las cuentas de ejemplo o son transferencias a ellas. Al eliminar las cuentas de ejemplo, también se eliminarían.</numerusform>
        </translation>
    </message>
    <message>
        <source>Brightpath Inc</source>
        <translation>Brightpath Inc</translation>
    </message>
    <message>
        <source>Biweekly paycheck</source>
        <translation>Nómina quincenal</translation>
    </message>
    <message>
        <source>Salary / Wages</source>
        <translation>Salario / sueldo</translation>
    </message>
    <message>
        <source>Pinecrest Apartments</source>
        <translation>Pinecrest Apartments</translation>
    </message>
    <message>
        <source>February rent</source>
        <translation>Alquiler de febrero</translation>
    </message>
    <message>
        <source>Housing</source>
        <translation>Vivienda</translation>
    </message>
    <message>
        <source>Rent/Mortgage Payment</source>
        <translation>Alquiler/hipoteca</translation>
    </message>
    <message>
        <source>Greenleaf Market</source>
        <translation>Greenleaf Market</translation>
    </message>
    <message>
        <source>Weekly groceries</source>
        <translation>Compra semanal</translation>
    </message>
    <message>
        <source>Groceries</source>
        <translation>Supermercado</translation>
    </message>
    <message>
        <source>Hilltop Gas</source>
        <translation>Hilltop Gas</translation>
    </message>
    <message>
        <source>Fill up</source>
        <translation>Repostaje</translation>
    </message>
    <message>
        <source>Transportation</source>
        <translation>Transporte</translation>
    </message>
    <message>
        <source>Gas/Fuel</source>
        <translation>Gasolina/combustible</translation>
    </message>
    <message>
        <source>Lakeside Utilities</source>
        <translation>Lakeside Utilities</translation>
    </message>
    <message>
        <source>Electric bill</source>
        <translation>Factura de la luz</translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation>Suministros</translation>
    </message>
    <message>
        <source>Electric</source>
        <translation>Electricidad</translation>
    </message>
    <message>
        <source>Water bill</source>
        <translation>Factura del agua</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Agua</translation>
    </message>
    <message>
        <source>Streamline TV</source>
        <translation>Streamline TV</translation>
    </message>
    <message>
        <source>Monthly streaming</source>
        <translation>Streaming mensual</translation>
    </message>
    <message>
        <source>Entertainment</source>
        <translation>Ocio</translation>
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
        <translation>Cena fuera</translation>
    </message>
    <message>
        <source>Dining &amp; Restaurants</source>
        <translation>Comidas y restaurantes</translation>
    </message>
    <message>
        <source>Clearview Insurance</source>
        <translation>Clearview Insurance</translation>
    </message>
    <message>
        <source>Auto insurance</source>
        <translation>Seguro del coche</translation>
    </message>
    <message>
        <source>Insurance</source>
        <translation>Seguros</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Automóvil</translation>
    </message>
    <message>
        <source>Hope Community Church</source>
        <translation>Hope Community Church</translation>
    </message>
    <message>
        <source>Monthly donation</source>
        <translation>Donativo mensual</translation>
    </message>
    <message>
        <source>Charitable Donations</source>
        <translation>Donaciones benéficas</translation>
    </message>
    <message>
        <source>Transfer to Savings</source>
        <translation>Transfer to Savings</translation>
    </message>
    <message>
        <source>Monthly savings</source>
        <translation>Ahorro mensual</translation>
    </message>
    <message>
        <source>March rent</source>
        <translation>Alquiler de marzo</translation>
    </message>
    <message>
        <source>NetConnect ISP</source>
        <translation>NetConnect ISP</translation>
    </message>
    <message>
        <source>Internet service</source>
        <translation>Servicio de internet</translation>
    </message>
    <message>
        <source>Internet</source>
        <translation>Internet</translation>
    </message>
    <message>
        <source>Lunch</source>
        <translation>Almuerzo</translation>
    </message>
    <message>
        <source>Ridgeline Pharmacy</source>
        <translation>Ridgeline Pharmacy</translation>
    </message>
    <message>
        <source>Prescriptions</source>
        <translation>Recetas médicas</translation>
    </message>
    <message>
        <source>Medical Expenses</source>
        <translation>Gastos médicos</translation>
    </message>
    <message>
        <source>Coffee &amp; pastry</source>
        <translation>Café y bollería</translation>
    </message>
    <message>
        <source>Interest payment</source>
        <translation>Abono de intereses</translation>
    </message>
    <message>
        <source>Interest Income</source>
        <translation>Ingresos por intereses</translation>
    </message>
    <message>
        <source>Dash Delivery</source>
        <translation>Dash Delivery</translation>
    </message>
    <message>
        <source>Food delivery</source>
        <translation>Comida a domicilio</translation>
    </message>
    <message>
        <source>Gadget World</source>
        <translation>Gadget World</translation>
    </message>
    <message>
        <source>Phone case</source>
        <translation>Funda del móvil</translation>
    </message>
    <message>
        <source>Shopping</source>
        <translation>Compras</translation>
    </message>
    <message>
        <source>Electronics</source>
        <translation>Electrónica</translation>
    </message>
    <message>
        <source>CloudWatch Plus</source>
        <translation>CloudWatch Plus</translation>
    </message>
    <message>
        <source>Cloud storage plan</source>
        <translation>Plan de almacenamiento en la nube</translation>
    </message>
    <message>
        <source>Subscriptions</source>
        <translation>Suscripciones</translation>
    </message>
    <message>
        <source>Payment - Thank You</source>
        <translation>Payment - Thank You</translation>
    </message>
    <message>
        <source>Credit card payment</source>
        <translation>Pago de la tarjeta de crédito</translation>
    </message>
    <message>
        <source>Stellar Coffee</source>
        <translation>Stellar Coffee</translation>
    </message>
    <message>
        <source>Coffee beans</source>
        <translation>Café en grano</translation>
    </message>
    <message>
        <source>BookNest Online</source>
        <translation>BookNest Online</translation>
    </message>
    <message>
        <source>Programming books</source>
        <translation>Libros de programación</translation>
    </message>
    <message>
        <source>Education Expenses</source>
        <translation>Gastos de educación</translation>
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
        <translation>Alquiler mensual</translation>
    </message>
</context>
<context>
    <name>SearchExport</name>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Cuenta</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Beneficiario</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importe</translation>
    </message>
</context>
<context>
    <name>SearchScreen</name>
    <message>
        <source>The transactions could not be read.</source>
        <translation>No se pudieron leer los movimientos.</translation>
    </message>
    <message>
        <source>Search payee, memo, check number...</source>
        <translation>Buscar beneficiario, nota, n.º de cheque...</translation>
    </message>
    <message>
        <source>Date range:</source>
        <translation>Intervalo de fechas:</translation>
    </message>
    <message>
        <source>Cleared only</source>
        <translation>Solo compensados</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Cuenta:</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Categoría:</translation>
    </message>
    <message>
        <source>to</source>
        <translation>a</translation>
    </message>
    <message>
        <source>All Accounts</source>
        <translation>Todas las cuentas</translation>
    </message>
    <message>
        <source>All Categories</source>
        <translation>Todas las categorías</translation>
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
        <translation>Registro</translation>
    </message>
    <message>
        <source>Data &amp; Sync</source>
        <translation>Datos y sincronización</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message numerus="yes">
        <source>…and %n more.</source>
        <translation>
            <numerusform>…y %n más.</numerusform>
            <numerusform>…y %n más.</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing was restored; your data is as it was.</source>
        <translation>No se restauró nada; sus datos siguen como estaban.</translation>
    </message>
    <message>
        <source>Language Changed</source>
        <translation>Idioma cambiado</translation>
    </message>
    <message>
        <source>The new language will take effect the next time you start Kestrelwood Checkbook.</source>
        <translation>El nuevo idioma se aplicará la próxima vez que inicie Kestrelwood Checkbook.</translation>
    </message>
    <message>
        <source>Export Backup</source>
        <translation>Exportar copia de seguridad</translation>
    </message>
    <message>
        <source>ZIP Files (*.zip)</source>
        <translation>Archivos ZIP (*.zip)</translation>
    </message>
    <message>
        <source>Exporting...</source>
        <translation>Exportando...</translation>
    </message>
    <message>
        <source>Import Backup</source>
        <translation>Importar copia de seguridad</translation>
    </message>
    <message>
        <source>Import Mode</source>
        <translation>Modo de importación</translation>
    </message>
    <message>
        <source>How should existing data be handled?</source>
        <translation>¿Qué hacer con los datos existentes?</translation>
    </message>
    <message>
        <source>Importing...</source>
        <translation>Importando...</translation>
    </message>
    <message>
        <source>Restore Failed</source>
        <translation>No se pudo restaurar</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Apariencia</translation>
    </message>
    <message>
        <source>Control how Kestrelwood Checkbook looks.</source>
        <translation>Elija el aspecto de Kestrelwood Checkbook.</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>Predeterminado del sistema</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Claro</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Oscuro</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>Regional</source>
        <translation>Región</translation>
    </message>
    <message>
        <source>Date and calendar preferences.</source>
        <translation>Preferencias de fecha y calendario.</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Domingo</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Lunes</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Sábado</translation>
    </message>
    <message>
        <source>Week starts on</source>
        <translation>La semana empieza el</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Visualización</translation>
    </message>
    <message>
        <source>How transactions appear in the register.</source>
        <translation>Cómo se muestran los movimientos en el registro.</translation>
    </message>
    <message>
        <source>Two-line rows</source>
        <translation>Filas de dos líneas</translation>
    </message>
    <message>
        <source>Show memo on a second line below the payee.</source>
        <translation>Muestra la nota en una segunda línea bajo el beneficiario.</translation>
    </message>
    <message>
        <source>Sorting</source>
        <translation>Orden</translation>
    </message>
    <message>
        <source>Control the order of transactions in the register.</source>
        <translation>Elija el orden de los movimientos en el registro.</translation>
    </message>
    <message>
        <source>Show newest transactions first</source>
        <translation>Mostrar primero los movimientos más recientes</translation>
    </message>
    <message>
        <source>When enabled, the most recent transactions appear at the top.</source>
        <translation>Si está activado, los movimientos más recientes aparecen arriba.</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>The setting could not be saved. It applies until the program closes, and the data file may be full or read-only.</source>
        <translation>No se pudo guardar el ajuste. Se aplica hasta que se cierre el programa; puede que el disco esté lleno o el archivo de datos sea de solo lectura.</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Sincronización</translation>
    </message>
    <message>
        <source>Keep your checkbook in sync across all your devices.</source>
        <translation>Mantenga su chequera sincronizada en todos sus dispositivos.</translation>
    </message>
    <message>
        <source>Sync Now</source>
        <translation>Sincronizar ahora</translation>
    </message>
    <message>
        <source>Force Full Sync</source>
        <translation>Forzar sincronización completa</translation>
    </message>
    <message>
        <source>Backup &amp; Restore</source>
        <translation>Copia de seguridad y restauración</translation>
    </message>
    <message>
        <source>Save or restore your data to a portable backup file.</source>
        <translation>Guarde o restaure sus datos con un archivo de copia de seguridad portátil.</translation>
    </message>
    <message>
        <source>Deleted Accounts</source>
        <translation>Cuentas eliminadas</translation>
    </message>
    <message>
        <source>Accounts you&apos;ve deleted can be restored here.</source>
        <translation>Aquí puede restaurar las cuentas que eliminó.</translation>
    </message>
    <message>
        <source>Restore Selected</source>
        <translation>Restaurar selección</translation>
    </message>
    <message>
        <source>Kestrelwood Checkbook</source>
        <translation>Kestrelwood Checkbook</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>Enlaces</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Sitio web</translation>
    </message>
    <message>
        <source>Help and user guide</source>
        <translation>Ayuda y guía del usuario</translation>
    </message>
    <message>
        <source>Privacy policy</source>
        <translation>Política de privacidad</translation>
    </message>
    <message>
        <source>Not signed in.
Sign in via File › Sign In to enable sync.</source>
        <translation>No ha iniciado sesión.
Inicie sesión en Archivo › Iniciar sesión para activar la sincronización.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Signed in as:&lt;/b&gt; %1&lt;br&gt;&lt;b&gt;Status:&lt;/b&gt; &lt;span style=&quot;color:%2&quot;&gt;%3&lt;/span&gt;</source>
        <translation>&lt;b&gt;Sesión iniciada como:&lt;/b&gt; %1&lt;br&gt;&lt;b&gt;Estado:&lt;/b&gt; &lt;span style=&quot;color:%2&quot;&gt;%3&lt;/span&gt;</translation>
    </message>
    <message>
        <source>Sync paused</source>
        <translation>Sincronización en pausa</translation>
    </message>
    <message>
        <source>Never synced</source>
        <translation>Nunca sincronizado</translation>
    </message>
    <message>
        <source>Last synced: %1</source>
        <translation>Última sincronización: %1</translation>
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
        <translation>Se volverán a subir al servidor todas las filas locales y se volverán a descargar todos los datos del servidor. Úselo si los datos parecen desincronizados entre dispositivos.

¿Continuar?</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>Sincronizando...</translation>
    </message>
</context>
<context>
    <name>SmartAmountField</name>
    <message>
        <source>Amounts can be at most %1.</source>
        <translation>Los importes pueden ser como máximo %1.</translation>
    </message>
</context>
<context>
    <name>SmartDateEdit</name>
    <message>
        <source>Open calendar (F4)</source>
        <translation>Abrir calendario (F4)</translation>
    </message>
</context>
<context>
    <name>StatusBar</name>
    <message>
        <source>Offline</source>
        <translation>Sin conexión</translation>
    </message>
    <message numerus="yes">
        <source>%n account(s)</source>
        <translation>
            <numerusform>%n cuenta</numerusform>
            <numerusform>%n cuentas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>  •  %n recurring due</source>
        <translation>
            <numerusform>  •  %n recurrente pendiente</numerusform>
            <numerusform>  •  %n recurrentes pendientes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SyncEngine</name>
    <message>
        <source>Synced</source>
        <translation>Sincronizado</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>Sincronizando...</translation>
    </message>
    <message>
        <source>Sync error</source>
        <translation>Error de sincronización</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>Sin conexión</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Desconocido</translation>
    </message>
    <message>
        <source>Push failed (HTTP %1)</source>
        <translation>Error al enviar (HTTP %1)</translation>
    </message>
    <message>
        <source>Pull failed (HTTP %1)</source>
        <translation>Error al recibir (HTTP %1)</translation>
    </message>
    <message>
        <source>The downloaded changes could not be stored; they are downloaded again at the next sync.</source>
        <translation>No se pudieron guardar los cambios descargados; se volverán a descargar en la próxima sincronización.</translation>
    </message>
    <message>
        <source>The uploaded changes could not be marked as sent; they are sent again at the next sync.</source>
        <translation>No se pudieron marcar como enviados los cambios subidos; se enviarán de nuevo en la próxima sincronización.</translation>
    </message>
</context>
<context>
    <name>TransactionFormDialog</name>
    <message>
        <source>Edit Transaction</source>
        <translation>Editar transacción</translation>
    </message>
    <message>
        <source>New Transaction</source>
        <translation>Nueva transacción</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tipo:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Fecha:</translation>
    </message>
    <message>
        <source>Payee:</source>
        <translation>Beneficiario:</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Importe:</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Categoría:</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>Opcional</translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation>Nota:</translation>
    </message>
    <message>
        <source>Check #:</source>
        <translation>N.º de cheque:</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Compensada</translation>
    </message>
    <message>
        <source>Payee is required</source>
        <translation>El beneficiario es obligatorio</translation>
    </message>
    <message>
        <source>Enter a payment or deposit amount</source>
        <translation>Introduzca un importe de pago o de depósito</translation>
    </message>
    <message>
        <source>Enter a valid date, such as %1</source>
        <translation>Introduzca una fecha válida, por ejemplo %1</translation>
    </message>
</context>
<context>
    <name>TransactionService</name>
    <message>
        <source>The account no longer exists.</source>
        <translation>La cuenta ya no existe.</translation>
    </message>
    <message>
        <source>This transaction was changed elsewhere after you started editing it.</source>
        <translation>Este movimiento se modificó en otro lugar después de que empezara a editarlo.</translation>
    </message>
    <message>
        <source>This transaction was deleted elsewhere after you started editing it.</source>
        <translation>Este movimiento se eliminó en otro lugar después de que empezara a editarlo.</translation>
    </message>
    <message>
        <source>Transfer to %1</source>
        <translation>Transfer to %1</translation>
    </message>
    <message>
        <source>This transaction was deleted elsewhere.</source>
        <translation>Este movimiento se eliminó en otro lugar.</translation>
    </message>
    <message>
        <source>Transfer account not found</source>
        <translation>No se encontró la cuenta de la transferencia</translation>
    </message>
    <message>
        <source>Transfers require both accounts to use the same currency</source>
        <translation>Las transferencias requieren que ambas cuentas usen la misma moneda</translation>
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
        <translation>Cerrar sesión</translation>
    </message>
    <message>
        <source>Already have an account? Sign In</source>
        <translation>¿Ya tienes una cuenta? Inicia sesión</translation>
    </message>
    <message>
        <source>Multi-Device Sync</source>
        <translation>Sincronización entre dispositivos</translation>
    </message>
    <message>
        <source>Keep your checkbook in sync between your phone, tablet, and computer.</source>
        <translation>Mantén tu chequera sincronizada entre tu teléfono, tu tableta y tu ordenador.</translation>
    </message>
    <message>
        <source>Family Sharing</source>
        <translation>Compartir en familia</translation>
    </message>
    <message>
        <source>Share accounts with family members. Everyone sees the same register in real time.</source>
        <translation>Comparte cuentas con los miembros de tu familia. Todos ven el mismo registro en tiempo real.</translation>
    </message>
    <message>
        <source>Secure &amp; Private</source>
        <translation>Seguro y privado</translation>
    </message>
    <message>
        <source>Your data is encrypted in transit and at rest. We never sell your data or show ads.</source>
        <translation>Tus datos se cifran en tránsito y en reposo. Nunca vendemos tus datos ni mostramos anuncios.</translation>
    </message>
    <message>
        <source>Kestrelwood Checkbook</source>
        <translation>Kestrelwood Checkbook</translation>
    </message>
    <message>
        <source>Your finances, everywhere.</source>
        <translation>Tus finanzas, en todas partes.</translation>
    </message>
    <message>
        <source>Opens in your web browser</source>
        <translation>Se abre en tu navegador web</translation>
    </message>
    <message>
        <source>Continue Without an Account</source>
        <translation>Continuar sin una cuenta</translation>
    </message>
</context>
</TS>
