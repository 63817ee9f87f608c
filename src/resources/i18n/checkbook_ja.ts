<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>AboutText</name>
    <message>
        <source>Version %1</source>
        <translation>バージョン %1</translation>
    </message>
    <message>
        <source>A digital checkbook register for tracking household finances.</source>
        <translation>家計を管理するためのデジタル小切手帳です。</translation>
    </message>
    <message>
        <source>This program uses the Qt framework under the GNU Lesser General Public License, version 3. The source code of Qt is available at %1.</source>
        <translation>このプログラムは GNU Lesser General Public License バージョン 3 の下で Qt フレームワークを使用しています。Qt のソースコードは %1 で入手できます。</translation>
    </message>
</context>
<context>
    <name>AccountFormDialog</name>
    <message>
        <source>Edit Account</source>
        <translation>口座の編集</translation>
    </message>
    <message>
        <source>New Account</source>
        <translation>新しい口座</translation>
    </message>
    <message>
        <source>Account name</source>
        <translation>口座名</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>名前(&amp;N):</translation>
    </message>
    <message>
        <source>Checking</source>
        <translation>当座預金</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>普通預金</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>クレジットカード</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>現金</translation>
    </message>
    <message>
        <source>Investment</source>
        <translation>投資</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>その他</translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation>種類(&amp;T):</translation>
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
        <translation>通貨(&amp;C):</translation>
    </message>
    <message>
        <source>Starting &amp;Balance:</source>
        <translation>開始残高(&amp;B):</translation>
    </message>
    <message>
        <source>&amp;As of:</source>
        <translation>基準日(&amp;A):</translation>
    </message>
    <message>
        <source>Bank name (optional)</source>
        <translation>銀行名 (任意)</translation>
    </message>
    <message>
        <source>&amp;Institution:</source>
        <translation>金融機関(&amp;I):</translation>
    </message>
    <message>
        <source>Last 4 digits (optional)</source>
        <translation>下 4 桁 (任意)</translation>
    </message>
    <message>
        <source>Account &amp;Number:</source>
        <translation>口座番号(&amp;N):</translation>
    </message>
</context>
<context>
    <name>AccountService</name>
    <message>
        <source>An account needs a name.</source>
        <translation>口座には名前が必要です。</translation>
    </message>
    <message>
        <source>The currency can&apos;t be changed between yen and another currency while the account holds amounts: yen have no cents, so every amount would become a hundred times larger or smaller.</source>
        <translation>口座に金額がある間は、円と他の通貨の間で通貨を変更できません。円には小数単位がないため、すべての金額が 100 倍または 100 分の 1 になってしまいます。</translation>
    </message>
    <message>
        <source>Another account is already named &quot;%1&quot;. Please choose another name.</source>
        <translation>「%1」という名前の口座がすでにあります。別の名前を選んでください。</translation>
    </message>
    <message>
        <source>This account is no longer among the deleted accounts.</source>
        <translation>この口座は削除済みの口座にもうありません。</translation>
    </message>
    <message>
        <source>Another account is now named &quot;%1&quot;. Rename that account first, then restore this one.</source>
        <translation>別の口座が現在「%1」という名前です。先にその口座の名前を変更してから、この口座を復元してください。</translation>
    </message>
</context>
<context>
    <name>AccountSharingService</name>
    <message>
        <source>Failed to share account (HTTP %1)</source>
        <translation>口座を共有できませんでした (HTTP %1)</translation>
    </message>
</context>
<context>
    <name>AccountSidebar</name>
    <message>
        <source>Checking</source>
        <translation>当座預金</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>普通預金</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>クレジットカード</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>現金</translation>
    </message>
    <message>
        <source>Investment</source>
        <translation>投資</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>その他</translation>
    </message>
    <message>
        <source>Unavailable</source>
        <translation>取得できません</translation>
    </message>
    <message>
        <source>The balance could not be read from the database.</source>
        <translation>データベースから残高を読み取れませんでした。</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>桁あふれ</translation>
    </message>
    <message>
        <source>The balance is too large to show.</source>
        <translation>残高が大きすぎて表示できません。</translation>
    </message>
    <message>
        <source>No accounts</source>
        <translation>口座がありません</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <translation>合計: %1</translation>
    </message>
    <message>
        <source>New Account...</source>
        <translation>新しい口座...</translation>
    </message>
    <message>
        <source>Edit &quot;%1&quot;...</source>
        <translation>「%1」を編集...</translation>
    </message>
    <message>
        <source>Reconcile...</source>
        <translation>照合...</translation>
    </message>
    <message>
        <source>Reconciliation History...</source>
        <translation>照合履歴...</translation>
    </message>
    <message>
        <source>Rename Payees...</source>
        <translation>支払先の名前を変更...</translation>
    </message>
    <message>
        <source>Share...</source>
        <translation>共有...</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;</source>
        <translation>「%1」を削除</translation>
    </message>
    <message>
        <source>The account order could not be saved</source>
        <translation>口座の並び順を保存できませんでした</translation>
    </message>
</context>
<context>
    <name>AnotherUserDialog</name>
    <message>
        <source>Different Account</source>
        <translation>別のアカウント</translation>
    </message>
    <message>
        <source>The books on this device were last synced with a different Kestrelwood account.</source>
        <translation>このデバイスのデータは、前回別の Kestrelwood アカウントと同期されました。</translation>
    </message>
    <message>
        <source>Add this device&apos;s accounts and transactions to the account you just signed in with, or sign out. Nothing on this device is deleted either way; until you choose, nothing is synced.</source>
        <translation>このデバイスの口座と取引を今サインインしたアカウントに追加するか、サインアウトしてください。どちらを選んでもこのデバイスのデータは削除されません。選択するまで何も同期されません。</translation>
    </message>
    <message>
        <source>Add to This Account</source>
        <translation>このアカウントに追加</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>サインアウト</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Database Error</source>
        <translation>データベースエラー</translation>
    </message>
    <message>
        <source>Failed to initialize the database.

Data directory: %1

%2</source>
        <translation>データベースを初期化できませんでした。

データフォルダー: %1

%2</translation>
    </message>
    <message>
        <source>The data file is damaged. It was left as it is; nothing more was written to it.</source>
        <translation>データファイルが破損しています。ファイルはそのままにしてあり、これ以上何も書き込んでいません。</translation>
    </message>
    <message>
        <source>The data file was made by a newer version of Kestrelwood Checkbook. Please use that version to open it.</source>
        <translation>データファイルは新しいバージョンの Kestrelwood Checkbook で作成されています。そのバージョンで開いてください。</translation>
    </message>
    <message>
        <source>The data file was not made by Kestrelwood Checkbook. It was left as it is.</source>
        <translation>データファイルは Kestrelwood Checkbook で作成されたものではありません。ファイルはそのままにしてあります。</translation>
    </message>
    <message>
        <source>The data file does not record which version of Kestrelwood Checkbook made it, so it cannot be upgraded safely. It was left as it is.</source>
        <translation>データファイルにはどのバージョンの Kestrelwood Checkbook で作成されたかの記録がないため、安全に更新できません。ファイルはそのままにしてあります。</translation>
    </message>
    <message>
        <source>The data file is in use by another program. Please close that program and try again.</source>
        <translation>データファイルは別のプログラムで使用中です。そのプログラムを閉じてから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>The disk is full. Please free some space and try again.</source>
        <translation>ディスクがいっぱいです。空き容量を確保してから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>Please check file permissions and try again.</source>
        <translation>ファイルのアクセス権を確認して、もう一度お試しください。</translation>
    </message>
    <message>
        <source>The data file was made by an older version of Kestrelwood Checkbook. Open the program once to bring it up to date, then try again.</source>
        <translation>データファイルは Kestrelwood Checkbook の以前のバージョンで作成されています。一度プログラムを開いて最新の形式に更新してから、もう一度お試しください。</translation>
    </message>
</context>
<context>
    <name>BackupArchiveReader</name>
    <message>
        <source>Failed to open ZIP archive</source>
        <translation>ZIP アーカイブを開けませんでした</translation>
    </message>
    <message numerus="yes">
        <source>The archive would unpack to more than %n GB.</source>
        <translation>
            <numerusform>アーカイブを展開すると %n GB を超えます。</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: unsafe entry name</source>
        <translation>%1: 安全でないエントリ名</translation>
    </message>
    <message>
        <source>%1: encrypted or compressed in an unknown way</source>
        <translation>%1: 暗号化されているか、不明な方式で圧縮されています</translation>
    </message>
    <message>
        <source>%1: larger than any row file</source>
        <translation>%1: 行ファイルとしては大きすぎます</translation>
    </message>
    <message>
        <source>%1: compressed beyond any row file (a zip bomb)</source>
        <translation>%1: 行ファイルとしてはありえない圧縮率です (ZIP 爆弾)</translation>
    </message>
    <message>
        <source>%1: unreadable</source>
        <translation>%1: 読み取れません</translation>
    </message>
    <message>
        <source>%1: damaged</source>
        <translation>%1: 破損しています</translation>
    </message>
    <message>
        <source>%1: does not unpack to the size the archive states</source>
        <translation>%1: 展開後のサイズがアーカイブの記載と一致しません</translation>
    </message>
</context>
<context>
    <name>BackupService</name>
    <message>
        <source>Replace all with backup data</source>
        <translation>すべてをバックアップのデータで置き換える</translation>
    </message>
    <message>
        <source>Keep newer (compare timestamps)</source>
        <translation>新しい方を残す (タイムスタンプを比較)</translation>
    </message>
    <message>
        <source>Skip existing items</source>
        <translation>既存の項目をスキップ</translation>
    </message>
    <message>
        <source>The data file could not be read.</source>
        <translation>データファイルを読み取れませんでした。</translation>
    </message>
    <message>
        <source>The archive could not be written. %1</source>
        <translation>アーカイブを書き込めませんでした。%1</translation>
    </message>
    <message>
        <source>The export was cancelled.</source>
        <translation>エクスポートはキャンセルされました。</translation>
    </message>
    <message>
        <source>The table %1 could not be read. %2</source>
        <translation>テーブル %1 を読み取れませんでした。%2</translation>
    </message>
    <message>
        <source>Could not read file.</source>
        <translation>ファイルを読み取れませんでした。</translation>
    </message>
    <message>
        <source>The restored rows could not be saved. %1</source>
        <translation>復元した行を保存できませんでした。%1</translation>
    </message>
    <message>
        <source>Invalid backup: missing manifest.json</source>
        <translation>無効なバックアップです: manifest.json がありません</translation>
    </message>
    <message>
        <source>%1: invalid JSON</source>
        <translation>%1: JSON が無効です</translation>
    </message>
    <message>
        <source>Unsupported backup version: %1</source>
        <translation>サポートされていないバックアップのバージョンです: %1</translation>
    </message>
    <message>
        <source>%1: not part of a backup</source>
        <translation>%1: バックアップの一部ではありません</translation>
    </message>
    <message>
        <source>The table %1 could not be read.</source>
        <translation>テーブル %1 を読み取れませんでした。</translation>
    </message>
    <message>
        <source>The restore was cancelled; nothing was changed.</source>
        <translation>復元はキャンセルされました。何も変更されていません。</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is no column of %3</source>
        <translation>%1: 「%2」は %3 の列ではありません</translation>
    </message>
    <message>
        <source>%1: the value of &quot;%2&quot; cannot be stored</source>
        <translation>%1: 「%2」の値を保存できません</translation>
    </message>
    <message>
        <source>%1: the row has no id</source>
        <translation>%1: 行に ID がありません</translation>
    </message>
    <message>
        <source>%1: the row could not be written: %2</source>
        <translation>%1: 行を書き込めませんでした: %2</translation>
    </message>
    <message>
        <source>The restored rows could not be checked.</source>
        <translation>復元した行を確認できませんでした。</translation>
    </message>
    <message>
        <source>%1: refers to a row that is neither in the backup nor in the register</source>
        <translation>%1: バックアップにも取引記録にもない行を参照しています</translation>
    </message>
</context>
<context>
    <name>BlockingProgressDialog</name>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>CategoriesScreen</name>
    <message>
        <source>New Category</source>
        <translation>新しいカテゴリ</translation>
    </message>
    <message>
        <source>Edit Category</source>
        <translation>カテゴリの編集</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;? Transactions using this category will become uncategorized.</source>
        <translation>「%1」を削除しますか? このカテゴリの取引は未分類になります。</translation>
    </message>
    <message>
        <source>Delete Category</source>
        <translation>カテゴリの削除</translation>
    </message>
    <message>
        <source>The category could not be deleted.

%1</source>
        <translation>カテゴリを削除できませんでした。

%1</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>カテゴリ</translation>
    </message>
    <message>
        <source>+ New Category</source>
        <translation>+ 新しいカテゴリ</translation>
    </message>
    <message>
        <source>&amp;New Category</source>
        <translation>新しいカテゴリ(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>削除(&amp;D)</translation>
    </message>
</context>
<context>
    <name>CategoryNameDialog</name>
    <message>
        <source>Category name:</source>
        <translation>カテゴリ名:</translation>
    </message>
    <message>
        <source>The category could not be saved.

%1</source>
        <translation>カテゴリを保存できませんでした。

%1</translation>
    </message>
</context>
<context>
    <name>CategoryService</name>
    <message>
        <source>Charitable Donations</source>
        <translation>寄付</translation>
    </message>
    <message>
        <source>Medical Expenses</source>
        <translation>医療費</translation>
    </message>
    <message>
        <source>Business Expenses</source>
        <translation>事業経費</translation>
    </message>
    <message>
        <source>Home Office</source>
        <translation>在宅オフィス</translation>
    </message>
    <message>
        <source>Education Expenses</source>
        <translation>教育費</translation>
    </message>
    <message>
        <source>State &amp; Local Taxes</source>
        <translation>州税・地方税</translation>
    </message>
    <message>
        <source>Mortgage Interest</source>
        <translation>住宅ローン利息</translation>
    </message>
    <message>
        <source>Property Tax</source>
        <translation>固定資産税</translation>
    </message>
    <message>
        <source>Housing</source>
        <translation>住居</translation>
    </message>
    <message>
        <source>Rent/Mortgage Payment</source>
        <translation>家賃・住宅ローン返済</translation>
    </message>
    <message>
        <source>Maintenance</source>
        <translation>メンテナンス</translation>
    </message>
    <message>
        <source>HOA</source>
        <translation>管理費</translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation>光熱費</translation>
    </message>
    <message>
        <source>Electric</source>
        <translation>電気</translation>
    </message>
    <message>
        <source>Gas</source>
        <translation>ガス</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>水道</translation>
    </message>
    <message>
        <source>Internet</source>
        <translation>インターネット</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>電話</translation>
    </message>
    <message>
        <source>Transportation</source>
        <translation>交通</translation>
    </message>
    <message>
        <source>Gas/Fuel</source>
        <translation>ガソリン・燃料</translation>
    </message>
    <message>
        <source>Car Payment</source>
        <translation>自動車ローン</translation>
    </message>
    <message>
        <source>Auto Insurance</source>
        <translation>自動車保険</translation>
    </message>
    <message>
        <source>Public Transit</source>
        <translation>公共交通機関</translation>
    </message>
    <message>
        <source>Groceries</source>
        <translation>食料品</translation>
    </message>
    <message>
        <source>Dining &amp; Restaurants</source>
        <translation>外食・レストラン</translation>
    </message>
    <message>
        <source>Personal Care</source>
        <translation>美容・身だしなみ</translation>
    </message>
    <message>
        <source>Pets</source>
        <translation>ペット</translation>
    </message>
    <message>
        <source>Subscriptions</source>
        <translation>定期購読</translation>
    </message>
    <message>
        <source>Gifts</source>
        <translation>贈り物</translation>
    </message>
    <message>
        <source>Miscellaneous</source>
        <translation>雑費</translation>
    </message>
    <message>
        <source>Entertainment</source>
        <translation>娯楽</translation>
    </message>
    <message>
        <source>Streaming</source>
        <translation>ストリーミング</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>映画</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>イベント</translation>
    </message>
    <message>
        <source>Shopping</source>
        <translation>買い物</translation>
    </message>
    <message>
        <source>Clothing</source>
        <translation>衣料品</translation>
    </message>
    <message>
        <source>Electronics</source>
        <translation>電子機器</translation>
    </message>
    <message>
        <source>Household</source>
        <translation>日用品</translation>
    </message>
    <message>
        <source>Insurance</source>
        <translation>保険</translation>
    </message>
    <message>
        <source>Health</source>
        <translation>医療保険</translation>
    </message>
    <message>
        <source>Life</source>
        <translation>生命保険</translation>
    </message>
    <message>
        <source>Home/Renters</source>
        <translation>住宅・家財保険</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>自動車</translation>
    </message>
    <message>
        <source>Fees &amp; Charges</source>
        <translation>手数料</translation>
    </message>
    <message>
        <source>Bank Fees</source>
        <translation>銀行手数料</translation>
    </message>
    <message>
        <source>ATM Fees</source>
        <translation>ATM手数料</translation>
    </message>
    <message>
        <source>Late Fees</source>
        <translation>延滞料</translation>
    </message>
    <message>
        <source>Salary / Wages</source>
        <translation>給与・賃金</translation>
    </message>
    <message>
        <source>Interest Income</source>
        <translation>受取利息</translation>
    </message>
    <message>
        <source>Dividend Income</source>
        <translation>配当収入</translation>
    </message>
    <message>
        <source>Rental Income</source>
        <translation>家賃収入</translation>
    </message>
    <message>
        <source>Freelance / Consulting</source>
        <translation>フリーランス・コンサルティング</translation>
    </message>
    <message>
        <source>Refunds</source>
        <translation>払い戻し</translation>
    </message>
    <message>
        <source>Gifts Received</source>
        <translation>受け取った贈り物</translation>
    </message>
    <message>
        <source>Other Income</source>
        <translation>その他の収入</translation>
    </message>
    <message>
        <source>This category has been deleted in the meantime.</source>
        <translation>このカテゴリはその間に削除されました。</translation>
    </message>
    <message>
        <source>Type a name for the category.</source>
        <translation>カテゴリの名前を入力してください。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; already has a category named &quot;%2&quot;.</source>
        <translation>「%1」には「%2」という名前のカテゴリがすでにあります。</translation>
    </message>
    <message>
        <source>There is already a top-level category named &quot;%1&quot;.</source>
        <translation>「%1」という名前の最上位カテゴリがすでにあります。</translation>
    </message>
</context>
<context>
    <name>CategoryTreeModel</name>
    <message>
        <source>Category</source>
        <translation>カテゴリ</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>種類</translation>
    </message>
    <message>
        <source>Tax Code</source>
        <translation>税区分</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 に書き込めません: %2</translation>
    </message>
    <message>
        <source>Cannot write to standard output: %1</source>
        <translation>標準出力に書き込めません: %1</translation>
    </message>
    <message>
        <source>The data file could not be read. %1</source>
        <translation>データファイルを読み取れませんでした。%1</translation>
    </message>
    <message>
        <source>The transactions could not be read.</source>
        <translation>取引を読み込めませんでした。</translation>
    </message>
    <message>
        <source>This report needs --%1 yyyy-MM-dd.</source>
        <translation>このレポートには --%1 yyyy-MM-dd が必要です。</translation>
    </message>
    <message>
        <source>--%1 needs a date written yyyy-MM-dd, not &quot;%2&quot;.</source>
        <translation>--%1 には「%2」ではなく yyyy-MM-dd 形式の日付を指定してください。</translation>
    </message>
    <message>
        <source>--%1 is before --%2.</source>
        <translation>--%1 が --%2 より前になっています。</translation>
    </message>
    <message>
        <source>Unknown report &quot;%1&quot;. The reports are: %2.</source>
        <translation>不明なレポート「%1」です。使用できるレポート: %2。</translation>
    </message>
    <message>
        <source>There is no account named &quot;%1&quot;.</source>
        <translation>「%1」という名前の口座はありません。</translation>
    </message>
    <message>
        <source>Find the transactions matching &lt;text&gt;.</source>
        <translation>&lt;テキスト&gt; に一致する取引を検索します。</translation>
    </message>
    <message>
        <source>text</source>
        <translation>テキスト</translation>
    </message>
    <message>
        <source>Write the report &lt;kind&gt;, such as category_spending.</source>
        <translation>&lt;種類&gt; のレポート (category_spending など) を出力します。</translation>
    </message>
    <message>
        <source>kind</source>
        <translation>種類</translation>
    </message>
    <message>
        <source>The report&apos;s first day.</source>
        <translation>レポートの初日。</translation>
    </message>
    <message>
        <source>yyyy-MM-dd</source>
        <translation>yyyy-MM-dd</translation>
    </message>
    <message>
        <source>The report&apos;s last day.</source>
        <translation>レポートの最終日。</translation>
    </message>
    <message>
        <source>Year over year: the second period&apos;s first day.</source>
        <translation>前年比較: 2 つ目の期間の初日。</translation>
    </message>
    <message>
        <source>Year over year: the second period&apos;s last day.</source>
        <translation>前年比較: 2 つ目の期間の最終日。</translation>
    </message>
    <message>
        <source>name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Write the CSV to &lt;file&gt;.</source>
        <translation>CSV を &lt;ファイル&gt; に書き出します。</translation>
    </message>
    <message>
        <source>file</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>Save a backup of the register as the ZIP archive &lt;file&gt;.</source>
        <translation>取引記録のバックアップを ZIP アーカイブ &lt;ファイル&gt; として保存します。</translation>
    </message>
    <message>
        <source>Restore the backup archive &lt;file&gt;.</source>
        <translation>バックアップアーカイブ &lt;ファイル&gt; を復元します。</translation>
    </message>
    <message>
        <source>Restoring: what becomes of rows already there: skip, replace or newer.</source>
        <translation>復元時に既存の行をどう扱うか: skip、replace、newer のいずれか。</translation>
    </message>
    <message>
        <source>mode</source>
        <translation>モード</translation>
    </message>
    <message>
        <source>Usage: kestrelwood-checkbook --search TEXT [--output FILE]
   or: kestrelwood-checkbook --report KIND --from yyyy-MM-dd --to yyyy-MM-dd [--from2 yyyy-MM-dd --to2 yyyy-MM-dd] [--account NAME] [--output FILE]
   or: kestrelwood-checkbook --export-backup FILE
   or: kestrelwood-checkbook --restore-backup FILE --mode skip|replace|newer
   or: kestrelwood-checkbook --import FILE... [--account NAME]</source>
        <translation>使い方: kestrelwood-checkbook --search TEXT [--output FILE]
または: kestrelwood-checkbook --report KIND --from yyyy-MM-dd --to yyyy-MM-dd [--from2 yyyy-MM-dd --to2 yyyy-MM-dd] [--account NAME] [--output FILE]
または: kestrelwood-checkbook --export-backup FILE
または: kestrelwood-checkbook --restore-backup FILE --mode skip|replace|newer
または: kestrelwood-checkbook --import FILE... [--account NAME]</translation>
    </message>
    <message>
        <source>Unexpected argument: %1</source>
        <translation>予期しない引数です: %1</translation>
    </message>
    <message>
        <source>Give one of --search, --report, --export-backup, --restore-backup or --import.</source>
        <translation>--search、--report、--export-backup、--restore-backup、--import のいずれかを指定してください。</translation>
    </message>
    <message>
        <source>--restore-backup needs --mode skip, --mode replace or --mode newer.</source>
        <translation>--restore-backup には --mode skip、--mode replace、--mode newer のいずれかが必要です。</translation>
    </message>
    <message>
        <source>Cannot read the data file %1.</source>
        <translation>データファイル %1 を読み取れません。</translation>
    </message>
    <message>
        <source>Report on, or import a CSV or OFX file into, the account &lt;name&gt;.</source>
        <translation>口座 &lt;name&gt; のレポート、または CSV・OFX ファイルのその口座への読み込み。</translation>
    </message>
    <message>
        <source>Import the bank files &lt;file&gt; and those after it (CSV, QIF, OFX or QFX).</source>
        <translation>銀行ファイル &lt;file&gt; とそれに続くファイルを読み込みます (CSV、QIF、OFX、QFX)。</translation>
    </message>
</context>
<context>
    <name>CommandLineHelp</name>
    <message>
        <source>Write the transactions matching TEXT as CSV.</source>
        <translation>TEXT に一致する取引を CSV で書き出します。</translation>
    </message>
    <message>
        <source>Write a report as CSV. The reports: %1.</source>
        <translation>レポートを CSV で書き出します。レポート: %1。</translation>
    </message>
    <message>
        <source>Save a backup of the register as a ZIP archive.</source>
        <translation>記録簿のバックアップを ZIP アーカイブとして保存します。</translation>
    </message>
    <message>
        <source>Restore a backup archive while the window is closed; needs --mode.</source>
        <translation>ウィンドウを閉じた状態でバックアップを復元します。--mode が必要です。</translation>
    </message>
    <message>
        <source>Import bank files (CSV, QIF, OFX or QFX) while the window is closed.</source>
        <translation>ウィンドウを閉じた状態で銀行ファイル (CSV、QIF、OFX、QFX) を取り込みます。</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>このヘルプを表示します。</translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation>バージョンを表示します。</translation>
    </message>
    <message>
        <source>The report&apos;s first day.</source>
        <translation>レポートの初日。</translation>
    </message>
    <message>
        <source>The report&apos;s last day.</source>
        <translation>レポートの最終日。</translation>
    </message>
    <message>
        <source>Year over year: the second period&apos;s first day.</source>
        <translation>前年比較: 2 つ目の期間の初日。</translation>
    </message>
    <message>
        <source>Year over year: the second period&apos;s last day.</source>
        <translation>前年比較: 2 つ目の期間の最終日。</translation>
    </message>
    <message>
        <source>The account a report reads or a CSV, OFX or QFX file goes to.</source>
        <translation>レポートが読む口座、または CSV・OFX・QFX ファイルの取り込み先の口座。</translation>
    </message>
    <message>
        <source>Write the CSV of a search or report to FILE instead of standard output.</source>
        <translation>検索やレポートの CSV を標準出力ではなく FILE に書き出します。</translation>
    </message>
    <message>
        <source>Restoring: keep the rows already there, replace everything, or keep the newer row.</source>
        <translation>復元時: 既存の行を残す、すべて置き換える、または新しい方の行を残す。</translation>
    </message>
    <message>
        <source>The folder of the register, checkbook.db; now %1.</source>
        <translation>記録簿 (checkbook.db) のフォルダー。現在は %1。</translation>
    </message>
    <message>
        <source>Print the debug and information messages too.</source>
        <translation>デバッグと情報のメッセージも出力します。</translation>
    </message>
    <message>
        <source>Offer loading and clearing sample data in the Help menu.</source>
        <translation>ヘルプメニューにサンプルデータの読み込みと消去を表示します。</translation>
    </message>
    <message>
        <source>The sign-in service.</source>
        <translation>サインインサービス。</translation>
    </message>
    <message>
        <source>The sign-in realm.</source>
        <translation>サインインのレルム。</translation>
    </message>
    <message>
        <source>The client id the sign-in service knows the program by.</source>
        <translation>サインインサービスがこのプログラムを識別するクライアント ID。</translation>
    </message>
    <message>
        <source>The account service.</source>
        <translation>アカウントサービス。</translation>
    </message>
    <message>
        <source>The sync service.</source>
        <translation>同期サービス。</translation>
    </message>
    <message>
        <source>The account web pages Kestrelwood Account opens.</source>
        <translation>Kestrelwood アカウントが開くアカウントのウェブページ。</translation>
    </message>
    <message>
        <source>The folder of the update feed&apos;s latest.json.</source>
        <translation>更新フィードの latest.json があるフォルダー。</translation>
    </message>
    <message>
        <source>The page Send Feedback opens.</source>
        <translation>「フィードバックを送信」が開くページ。</translation>
    </message>
    <message>
        <source>Example: %1</source>
        <translation>例: %1</translation>
    </message>
    <message>
        <source>Usage: %1 [COMMAND] [OPTIONS]</source>
        <translation>使い方: %1 [コマンド] [オプション]</translation>
    </message>
    <message>
        <source>Kestrelwood Checkbook, a checkbook register for household finances. Without a command it opens its window; the commands answer on the command line and need no display.</source>
        <translation>Kestrelwood Checkbook は家計のための小切手帳記録簿です。コマンドなしで起動するとウィンドウを開きます。コマンドはコマンドラインで応答し、画面を必要としません。</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>コマンド:</translation>
    </message>
    <message>
        <source>Options of the commands:</source>
        <translation>コマンドのオプション:</translation>
    </message>
    <message>
        <source>Environment variables:</source>
        <translation>環境変数:</translation>
    </message>
    <message>
        <source>Run &quot;%1 --help&quot; for the commands and options.</source>
        <translation>コマンドとオプションは「%1 --help」で確認できます。</translation>
    </message>
</context>
<context>
    <name>CsvRowReader</name>
    <message>
        <source>No date, payee or amount in this row</source>
        <translation>この行には日付、支払先、または金額がありません</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date written %2</source>
        <translation>「%1」は %2 形式の日付ではありません</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an amount</source>
        <translation>「%1」は金額ではありません</translation>
    </message>
    <message>
        <source>A text in this row is too long</source>
        <translation>この行のテキストが長すぎます</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>The disk is full.</source>
        <translation>ディスクがいっぱいです。</translation>
    </message>
    <message>
        <source>The data file is read-only.</source>
        <translation>データファイルは読み取り専用です。</translation>
    </message>
    <message>
        <source>The data file is in use by another program.</source>
        <translation>データファイルは別のプログラムで使用中です。</translation>
    </message>
    <message>
        <source>The data file is damaged.</source>
        <translation>データファイルが破損しています。</translation>
    </message>
    <message>
        <source>The data file could not be written.</source>
        <translation>データファイルに書き込めませんでした。</translation>
    </message>
</context>
<context>
    <name>DateField</name>
    <message>
        <source>Open calendar (F4)</source>
        <translation>カレンダーを開く (F4)</translation>
    </message>
</context>
<context>
    <name>DeleteTransactionQuestion</name>
    <message>
        <source>Delete &quot;%1&quot; for %2?</source>
        <translation>「%1」(%2) を削除しますか?</translation>
    </message>
    <message>
        <source>Delete transfer &quot;%1&quot; for %2?

Both sides of the transfer will be deleted.</source>
        <translation>振替「%1」(%2) を削除しますか?

振替の両側の取引が削除されます。</translation>
    </message>
    <message>
        <source>Delete Transaction</source>
        <translation>取引の削除</translation>
    </message>
</context>
<context>
    <name>ExclusiveDataFile</name>
    <message>
        <source>Kestrelwood Checkbook is open on %1. Close it, then try again.</source>
        <translation>Kestrelwood Checkbook が %1 を開いています。閉じてから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>Cannot open the data file %1. %2</source>
        <translation>データファイル %1 を開けません。%2</translation>
    </message>
</context>
<context>
    <name>ExportResult</name>
    <message>
        <source>Backup Complete</source>
        <translation>バックアップが完了しました</translation>
    </message>
    <message>
        <source>Backup Failed</source>
        <translation>バックアップに失敗しました</translation>
    </message>
    <message>
        <source>Backup saved to:
%1</source>
        <translation>バックアップの保存先:
%1</translation>
    </message>
    <message>
        <source>Could not write to:
%1</source>
        <translation>書き込めませんでした:
%1</translation>
    </message>
</context>
<context>
    <name>ImportCommand</name>
    <message>
        <source>none</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>tab</source>
        <translation>タブ</translation>
    </message>
    <message>
        <source>the mapping last used for this account</source>
        <translation>この口座で前回使用した対応付け</translation>
    </message>
    <message>
        <source>the mapping proposed from the file</source>
        <translation>ファイルから推定した対応付け</translation>
    </message>
    <message>
        <source>Read with %1: separator %2, %3 line(s) before the table, %4, dates as %5, columns: date %6, payee %7, amount %8, credit %9, memo %10, category %11.</source>
        <translation>%1 で読み取りました: 区切り文字 %2、表の前に %3 行、%4、日付形式 %5、列: 日付 %6、支払先 %7、金額 %8、入金 %9、メモ %10、カテゴリ %11。</translation>
    </message>
    <message>
        <source>a header row</source>
        <translation>ヘッダー行あり</translation>
    </message>
    <message>
        <source>no header row</source>
        <translation>ヘッダー行なし</translation>
    </message>
    <message>
        <source>%1: the import failed and nothing of it was stored (%2).</source>
        <translation>%1: インポートに失敗したため、何も保存されていません (%2)。</translation>
    </message>
    <message>
        <source>%1: import complete.</source>
        <translation>%1: インポートが完了しました。</translation>
    </message>
    <message>
        <source>%1: a CSV file needs --account NAME, the account to import into.</source>
        <translation>%1: CSV ファイルにはインポート先の口座を指定する --account NAME が必要です。</translation>
    </message>
    <message>
        <source>%1: the file could not be read.</source>
        <translation>%1: ファイルを読み取れませんでした。</translation>
    </message>
    <message>
        <source>There is no account named &quot;%1&quot;.</source>
        <translation>「%1」という名前の口座はありません。</translation>
    </message>
    <message>
        <source>%1: the new account &quot;%2&quot; holds its statement.</source>
        <translation>%1: 新しい口座「%2」に明細を取り込みました。</translation>
    </message>
</context>
<context>
    <name>ImportScreen</name>
    <message>
        <source>Import Transactions</source>
        <translation>取引のインポート</translation>
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
        <translation>形式(&amp;F):</translation>
    </message>
    <message>
        <source>&amp;Account:</source>
        <translation>口座(&amp;A):</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>参照...</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>ファイル:</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>インポート</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>CSV Column Mapping:</source>
        <translation>CSV の列の対応付け:</translation>
    </message>
    <message>
        <source>Comma (,)</source>
        <translation>カンマ (,)</translation>
    </message>
    <message>
        <source>Semicolon (;)</source>
        <translation>セミコロン (;)</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>タブ</translation>
    </message>
    <message>
        <source>Some banks put the account number and the period above the table.</source>
        <translation>銀行によっては、表の上に口座番号や期間が記載されています。</translation>
    </message>
    <message>
        <source>First row is header</source>
        <translation>1 行目はヘッダー</translation>
    </message>
    <message>
        <source>For files with separate columns for money out and money in: the amount column is then the money out.</source>
        <translation>出金と入金の列が分かれているファイル用です。その場合、金額の列は出金になります。</translation>
    </message>
    <message>
        <source>Separator:</source>
        <translation>区切り文字:</translation>
    </message>
    <message>
        <source>Lines before the table:</source>
        <translation>表の前の行数:</translation>
    </message>
    <message>
        <source>Date column:</source>
        <translation>日付の列:</translation>
    </message>
    <message>
        <source>Payee column:</source>
        <translation>支払先の列:</translation>
    </message>
    <message>
        <source>Amount column:</source>
        <translation>金額の列:</translation>
    </message>
    <message>
        <source>Credit column:</source>
        <translation>入金の列:</translation>
    </message>
    <message>
        <source>Memo column:</source>
        <translation>メモの列:</translation>
    </message>
    <message>
        <source>Category column:</source>
        <translation>カテゴリの列:</translation>
    </message>
    <message>
        <source>Date format:</source>
        <translation>日付の形式:</translation>
    </message>
    <message>
        <source>The first rows as they will be imported:</source>
        <translation>インポートされる最初の数行:</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>支払先</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>金額</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>メモ</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>カテゴリ</translation>
    </message>
    <message>
        <source>QIF source accounts:</source>
        <translation>QIF の元の口座:</translation>
    </message>
    <message>
        <source>Choose where each Quicken account should be imported. Accounts mapped across the selected files will have their transfers linked automatically.</source>
        <translation>各 Quicken 口座のインポート先を選択してください。選択したファイル間で対応付けた口座の振替は自動的にリンクされます。</translation>
    </message>
    <message>
        <source>No file selected</source>
        <translation>ファイルが選択されていません</translation>
    </message>
    <message>
        <source>Select QIF File(s)</source>
        <translation>QIF ファイルの選択</translation>
    </message>
    <message>
        <source>QIF Files (*.qif)</source>
        <translation>QIF ファイル (*.qif)</translation>
    </message>
    <message>
        <source>Select File</source>
        <translation>ファイルの選択</translation>
    </message>
    <message>
        <source>CSV Files (*.csv);;All Files (*)</source>
        <translation>CSV ファイル (*.csv);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>The file %1 could not be read.</source>
        <translation>ファイル %1 を読み取れませんでした。</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(なし)</translation>
    </message>
    <message>
        <source>Col %1: %2</source>
        <translation>列 %1: %2</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>列 %1</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) selected</source>
        <translation>
            <numerusform>%n 個のファイルを選択済み</numerusform>
        </translation>
    </message>
    <message>
        <source>Analyzing QIF file(s)...</source>
        <translation>QIF ファイルを解析しています...</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n transaction(s))</source>
        <translation>
            <numerusform>%1 (%n 件の取引)</numerusform>
        </translation>
    </message>
    <message>
        <source>— Create new account &quot;%1&quot; —</source>
        <translation>— 新しい口座「%1」を作成 —</translation>
    </message>
    <message>
        <source>— Skip these transactions —</source>
        <translation>— これらの取引をスキップ —</translation>
    </message>
    <message>
        <source>No transactions were found in the selected file(s).</source>
        <translation>選択したファイルに取引が見つかりませんでした。</translation>
    </message>
    <message>
        <source>Choose a file to import first.</source>
        <translation>先にインポートするファイルを選択してください。</translation>
    </message>
    <message>
        <source>No target account</source>
        <translation>インポート先の口座がありません</translation>
    </message>
    <message>
        <source>Pick an account to import into, or create one now.</source>
        <translation>インポート先の口座を選択するか、ここで作成してください。</translation>
    </message>
    <message>
        <source>New Account</source>
        <translation>新しい口座</translation>
    </message>
    <message>
        <source>The account could not be created.</source>
        <translation>口座を作成できませんでした。</translation>
    </message>
    <message>
        <source>Importing...</source>
        <translation>インポートしています...</translation>
    </message>
    <message>
        <source>Import cancelled.</source>
        <translation>インポートはキャンセルされました。</translation>
    </message>
    <message>
        <source>The import was stopped and all changes were rolled back. No transactions were added.</source>
        <translation>インポートは中止され、すべての変更が取り消されました。取引は追加されていません。</translation>
    </message>
    <message>
        <source>Import failed.</source>
        <translation>インポートに失敗しました。</translation>
    </message>
    <message>
        <source>A database error stopped the import and all changes were rolled back. No transactions were added.</source>
        <translation>データベースエラーによりインポートが中止され、すべての変更が取り消されました。取引は追加されていません。</translation>
    </message>
    <message>
        <source>Import complete!</source>
        <translation>インポートが完了しました!</translation>
    </message>
    <message>
        <source>OFX / QFX</source>
        <translation>OFX / QFX</translation>
    </message>
    <message>
        <source>Statement accounts:</source>
        <translation>明細の口座:</translation>
    </message>
    <message>
        <source>Choose where each account of the statement should be imported. Rows imported from an earlier statement are skipped, so overlapping statements can be imported safely.</source>
        <translation>明細の各口座の読み込み先を選んでください。以前の明細で読み込んだ行は飛ばすので、期間が重なる明細も安全に読み込めます。</translation>
    </message>
    <message>
        <source>Select Statement</source>
        <translation>明細を選択</translation>
    </message>
    <message>
        <source>Bank Statements (*.ofx *.qfx);;All Files (*)</source>
        <translation>銀行の明細 (*.ofx *.qfx);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>The file %1 is not an OFX or QFX bank statement.</source>
        <translation>ファイル %1 は OFX または QFX の銀行明細ではありません。</translation>
    </message>
    <message numerus="yes">
        <source>%1, %2 (%n transaction(s))</source>
        <translation>
            <numerusform>%1、%2 (%n 件の取引)</numerusform>
        </translation>
    </message>
    <message>
        <source>Import refused.</source>
        <translation>読み込みを中止しました。</translation>
    </message>
</context>
<context>
    <name>ImportService</name>
    <message numerus="yes">
        <source>%n transaction(s) imported</source>
        <translation>
            <numerusform>%n 件の取引をインポートしました</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n transfer(s) linked across accounts</source>
        <translation>
            <numerusform>%n 件の振替を口座間でリンクしました</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>  (including %n linked to previously imported row(s))</source>
        <translation>
            <numerusform>  (うち %n 件は以前にインポートした行とリンク)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n duplicate(s) skipped</source>
        <translation>
            <numerusform>%n 件の重複をスキップしました</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (unparseable)</source>
        <translation>
            <numerusform>%n 件のレコードをスキップしました (解析できません)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n metadata record(s) skipped</source>
        <translation>
            <numerusform>%n 件のメタデータレコードをスキップしました</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (unmapped source account)</source>
        <translation>
            <numerusform>%n 件のレコードをスキップしました (元の口座の対応付けなし)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (database error — see log)</source>
        <translation>
            <numerusform>%n 件のレコードをスキップしました (データベースエラー — ログを参照)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (no account header)</source>
        <translation>%1 (口座ヘッダーなし)</translation>
    </message>
    <message>
        <source>Imported transaction</source>
        <translation>インポートした取引</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>普通預金</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>クレジットカード</translation>
    </message>
    <message>
        <source>Investment</source>
        <translation>投資</translation>
    </message>
    <message>
        <source>Checking</source>
        <translation>当座預金</translation>
    </message>
    <message>
        <source>%1 is not an OFX or QFX bank statement. Nothing was imported.</source>
        <translation>%1 は OFX または QFX の銀行明細ではありません。何も読み込んでいません。</translation>
    </message>
    <message>
        <source>The statement of %1 is in %2, a currency the register does not keep. Nothing was imported.</source>
        <translation>%1 の明細は記録簿が扱わない通貨 %2 です。何も読み込んでいません。</translation>
    </message>
    <message>
        <source>The statement of %1 is in %2, but the account &quot;%3&quot; is kept in %4. Nothing was imported.</source>
        <translation>%1 の明細は %2 ですが、口座「%3」は %4 で管理しています。何も読み込んでいません。</translation>
    </message>
</context>
<context>
    <name>KestAccount::AccountScreen</name>
    <message>
        <source>Unknown client</source>
        <translation>不明なクライアント</translation>
    </message>
    <message>
        <source>Kestrelwood Account</source>
        <translation>Kestrelwood アカウント</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>プロフィール</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>グループ</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>デバイス</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>セキュリティ</translation>
    </message>
    <message>
        <source>Data &amp; Privacy</source>
        <translation>データとプライバシー</translation>
    </message>
    <message>
        <source>Personal Information</source>
        <translation>個人情報</translation>
    </message>
    <message>
        <source>Edit Display Name</source>
        <translation>表示名を編集</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>パスワード</translation>
    </message>
    <message>
        <source>Change your account password.</source>
        <translation>アカウントのパスワードを変更します。</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>パスワードを変更</translation>
    </message>
    <message>
        <source>Account Portal</source>
        <translation>アカウントポータル</translation>
    </message>
    <message>
        <source>Billing and other settings of your account are on the web.</source>
        <translation>請求やその他のアカウント設定はウェブにあります。</translation>
    </message>
    <message>
        <source>Open Account Portal</source>
        <translation>アカウントポータルを開く</translation>
    </message>
    <message>
        <source>Registered Devices</source>
        <translation>登録済みデバイス</translation>
    </message>
    <message>
        <source>Devices that have synced with your account.</source>
        <translation>アカウントと同期したデバイス。</translation>
    </message>
    <message>
        <source>Active Sessions</source>
        <translation>有効なセッション</translation>
    </message>
    <message>
        <source>Sessions currently signed in to your account.</source>
        <translation>現在アカウントにサインインしているセッション。</translation>
    </message>
    <message>
        <source>Danger Zone</source>
        <translation>危険な操作</translation>
    </message>
    <message>
        <source>Permanently delete your account. This cannot be undone after 30 days.</source>
        <translation>アカウントを完全に削除します。30 日を過ぎると元に戻せません。</translation>
    </message>
    <message>
        <source>Delete Account</source>
        <translation>口座の削除</translation>
    </message>
    <message>
        <source>You are the group owner. Transfer ownership or remove all members before deleting your account.</source>
        <translation>あなたはグループのオーナーです。アカウントを削除する前に、オーナー権限を譲渡するか、メンバー全員を外してください。</translation>
    </message>
    <message>
        <source>Your profile could not be loaded.</source>
        <translation>プロフィールを読み込めませんでした。</translation>
    </message>
    <message>
        <source>(not set)</source>
        <translation>(未設定)</translation>
    </message>
    <message>
        <source>Your group could not be loaded.</source>
        <translation>グループを読み込めませんでした。</translation>
    </message>
    <message>
        <source>No Group</source>
        <translation>グループなし</translation>
    </message>
    <message>
        <source>You&apos;re not part of a group. The group owner can invite you, or you can join with an invite code.</source>
        <translation>グループに参加していません。グループのオーナーから招待を受けるか、招待コードで参加できます。</translation>
    </message>
    <message>
        <source>Join with Invite Code</source>
        <translation>招待コードで参加</translation>
    </message>
    <message>
        <source>%1 of %2 seats used</source>
        <translation>%2 席中 %1 席使用中</translation>
    </message>
    <message>
        <source>Leave Group</source>
        <translation>グループから脱退</translation>
    </message>
    <message>
        <source>Members</source>
        <translation>メンバー</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>オーナー</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Pending Invitations</source>
        <translation>保留中の招待</translation>
    </message>
    <message>
        <source>Invite code: %1</source>
        <translation>招待コード: %1</translation>
    </message>
    <message>
        <source>Revoke</source>
        <translation>取り消す</translation>
    </message>
    <message>
        <source>Invite Members</source>
        <translation>メンバーを招待</translation>
    </message>
    <message>
        <source>Invite someone to start a family group with you.</source>
        <translation>誰かを招待してファミリーグループを始めましょう。</translation>
    </message>
    <message>
        <source>Invite by Email</source>
        <translation>メールで招待</translation>
    </message>
    <message>
        <source>Generate Invite Code</source>
        <translation>招待コードを生成</translation>
    </message>
    <message>
        <source>Your devices could not be loaded.</source>
        <translation>デバイスを読み込めませんでした。</translation>
    </message>
    <message>
        <source>No devices registered.</source>
        <translation>登録されたデバイスはありません。</translation>
    </message>
    <message>
        <source>Unknown Device</source>
        <translation>不明なデバイス</translation>
    </message>
    <message>
        <source>  ·  v%1</source>
        <translation>  ·  v%1</translation>
    </message>
    <message>
        <source>Your sessions could not be loaded.</source>
        <translation>セッションを読み込めませんでした。</translation>
    </message>
    <message>
        <source>No active sessions.</source>
        <translation>有効なセッションはありません。</translation>
    </message>
    <message>
        <source>This session</source>
        <translation>このセッション</translation>
    </message>
    <message>
        <source>  ·  %1</source>
        <translation>  ·  %1</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>現在</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>不明</translation>
    </message>
    <message>
        <source>Active now</source>
        <translation>現在アクティブ</translation>
    </message>
    <message>
        <source>%1m ago</source>
        <translation>%1 分前</translation>
    </message>
    <message>
        <source>%1h ago</source>
        <translation>%1 時間前</translation>
    </message>
    <message>
        <source>%1d ago</source>
        <translation>%1 日前</translation>
    </message>
    <message>
        <source>Display name:</source>
        <translation>表示名:</translation>
    </message>
    <message>
        <source>Failed to update profile.</source>
        <translation>プロフィールを更新できませんでした。</translation>
    </message>
    <message>
        <source>Display name updated.</source>
        <translation>表示名を更新しました。</translation>
    </message>
    <message>
        <source>Current password:</source>
        <translation>現在のパスワード:</translation>
    </message>
    <message>
        <source>New password (min 8 characters):</source>
        <translation>新しいパスワード (8 文字以上):</translation>
    </message>
    <message>
        <source>Password must be at least 8 characters.</source>
        <translation>パスワードは 8 文字以上にしてください。</translation>
    </message>
    <message>
        <source>Confirm new password:</source>
        <translation>新しいパスワードの確認:</translation>
    </message>
    <message>
        <source>Passwords do not match.</source>
        <translation>パスワードが一致しません。</translation>
    </message>
    <message>
        <source>Password changed.</source>
        <translation>パスワードを変更しました。</translation>
    </message>
    <message>
        <source>Failed to change password.</source>
        <translation>パスワードを変更できませんでした。</translation>
    </message>
    <message>
        <source>Join Group</source>
        <translation>グループに参加</translation>
    </message>
    <message>
        <source>Enter invite code:</source>
        <translation>招待コードを入力:</translation>
    </message>
    <message>
        <source>Joined group.</source>
        <translation>グループに参加しました。</translation>
    </message>
    <message>
        <source>Invalid or expired invite code.</source>
        <translation>招待コードが無効か、有効期限が切れています。</translation>
    </message>
    <message>
        <source>Email address:</source>
        <translation>メールアドレス:</translation>
    </message>
    <message>
        <source>Failed to send invitation.</source>
        <translation>招待を送信できませんでした。</translation>
    </message>
    <message>
        <source>Invitation sent.</source>
        <translation>招待を送信しました。</translation>
    </message>
    <message>
        <source>Failed to generate code.</source>
        <translation>コードを生成できませんでした。</translation>
    </message>
    <message>
        <source>Invite Code</source>
        <translation>招待コード</translation>
    </message>
    <message>
        <source>Share this code with the person you want to invite:

%1</source>
        <translation>招待したい人にこのコードを伝えてください:

%1</translation>
    </message>
    <message>
        <source>Leave this group? You will lose access to shared data.</source>
        <translation>このグループから脱退しますか? 共有データにアクセスできなくなります。</translation>
    </message>
    <message>
        <source>Left group.</source>
        <translation>グループから脱退しました。</translation>
    </message>
    <message>
        <source>Could not leave the group.</source>
        <translation>グループから脱退できませんでした。</translation>
    </message>
    <message>
        <source>Remove Member</source>
        <translation>メンバーを削除</translation>
    </message>
    <message>
        <source>Remove %1 from the group? The accounts you share with them will no longer reach them.</source>
        <translation>%1 をグループから削除しますか? 共有している口座はこの人に届かなくなります。</translation>
    </message>
    <message>
        <source>%1 removed.</source>
        <translation>%1 を削除しました。</translation>
    </message>
    <message>
        <source>Could not remove %1.</source>
        <translation>%1 を削除できませんでした。</translation>
    </message>
    <message>
        <source>Invitation revoked.</source>
        <translation>招待を取り消しました。</translation>
    </message>
    <message>
        <source>Could not revoke the invitation.</source>
        <translation>招待を取り消せませんでした。</translation>
    </message>
    <message>
        <source>Remove Device</source>
        <translation>デバイスを削除</translation>
    </message>
    <message>
        <source>Remove %1 from your account&apos;s devices? It registers again the next time it signs in.</source>
        <translation>%1 をアカウントのデバイスから削除しますか? 次回サインインしたときに再登録されます。</translation>
    </message>
    <message>
        <source>Device removed.</source>
        <translation>デバイスを削除しました。</translation>
    </message>
    <message>
        <source>Could not remove the device.</source>
        <translation>デバイスを削除できませんでした。</translation>
    </message>
    <message>
        <source>Revoke Session</source>
        <translation>セッションを取り消す</translation>
    </message>
    <message>
        <source>Sign out %1? It will have to sign in again.</source>
        <translation>%1 をサインアウトしますか? 再度サインインが必要になります。</translation>
    </message>
    <message>
        <source>Session revoked.</source>
        <translation>セッションを取り消しました。</translation>
    </message>
    <message>
        <source>Could not revoke the session.</source>
        <translation>セッションを取り消せませんでした。</translation>
    </message>
    <message>
        <source>This will schedule your account for permanent deletion after 30 days.

Type DELETE to confirm:</source>
        <translation>アカウントは 30 日後に完全に削除されるよう予約されます。

確認のため DELETE と入力してください:</translation>
    </message>
    <message>
        <source>Failed to delete account.</source>
        <translation>アカウントを削除できませんでした。</translation>
    </message>
    <message>
        <source>Account Scheduled for Deletion</source>
        <translation>アカウントの削除を予約しました</translation>
    </message>
    <message>
        <source>Your account will be permanently deleted in 30 days. You can recover it by signing in before then.</source>
        <translation>アカウントは 30 日後に完全に削除されます。それまでにサインインすれば復元できます。</translation>
    </message>
</context>
<context>
    <name>KestAccount::AuthClient</name>
    <message>
        <source>Failed to start local auth server</source>
        <translation>ローカルのサインイン用サーバーを起動できませんでした</translation>
    </message>
    <message>
        <source>The sign-in was not completed in time</source>
        <translation>サインインが時間内に完了しませんでした</translation>
    </message>
    <message>
        <source>No web browser could be opened</source>
        <translation>ウェブブラウザーを開けませんでした</translation>
    </message>
    <message>
        <source>No tokens received</source>
        <translation>トークンを受け取れませんでした</translation>
    </message>
</context>
<context>
    <name>KestAccount::ShareMembersDialog</name>
    <message>
        <source>Shared with</source>
        <translation>共有先</translation>
    </message>
    <message>
        <source>Not shared with anyone yet.</source>
        <translation>まだ誰とも共有していません。</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>共有</translation>
    </message>
    <message>
        <source>Remove Selected</source>
        <translation>選択項目を削除</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Remove Share</source>
        <translation>共有を解除</translation>
    </message>
    <message>
        <source>Remove %1&apos;s access to this item?</source>
        <translation>%1 のこの項目へのアクセスを解除しますか?</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>読み込み中...</translation>
    </message>
    <message>
        <source>Could not load who this is shared with.</source>
        <translation>共有相手を読み込めませんでした。</translation>
    </message>
    <message>
        <source>Your family group could not be loaded.</source>
        <translation>ファミリーグループを読み込めませんでした。</translation>
    </message>
    <message>
        <source>All group members already added</source>
        <translation>グループのメンバーは全員追加済みです</translation>
    </message>
    <message>
        <source>Sharing...</source>
        <translation>共有中...</translation>
    </message>
    <message>
        <source>Could not share with %1.</source>
        <translation>%1 と共有できませんでした。</translation>
    </message>
    <message>
        <source>Could not remove share.</source>
        <translation>共有を解除できませんでした。</translation>
    </message>
</context>
<context>
    <name>KestAccount::WebAuthHandler</name>
    <message>
        <source>Sign-in problem</source>
        <translation>サインインの問題</translation>
    </message>
    <message>
        <source>The request could not be read.</source>
        <translation>要求を読み取れませんでした。</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>見つかりません</translation>
    </message>
    <message>
        <source>There is nothing here.</source>
        <translation>ここには何もありません。</translation>
    </message>
    <message>
        <source>This sign-in was not started by Kestrelwood Checkbook on this computer.</source>
        <translation>このサインインは、このコンピューターの Kestrelwood Checkbook から開始されたものではありません。</translation>
    </message>
    <message>
        <source>The sign-in did not complete. Please try again.</source>
        <translation>サインインが完了しませんでした。もう一度お試しください。</translation>
    </message>
    <message>
        <source>Authentication complete!</source>
        <translation>認証が完了しました。</translation>
    </message>
    <message>
        <source>You can close this tab and return to the application.</source>
        <translation>このタブを閉じてアプリに戻ってください。</translation>
    </message>
</context>
<context>
    <name>KestUpdate</name>
    <message>
        <source>No release notes available for %1 %2</source>
        <translation>%1 %2 のリリースノートはありません</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>アップデートを確認しています…</translation>
    </message>
    <message>
        <source>%1 is up to date (version %2)</source>
        <translation>%1 は最新です (バージョン %2)</translation>
    </message>
    <message>
        <source>Update check failed: %1</source>
        <translation>アップデートを確認できませんでした: %1</translation>
    </message>
    <message>
        <source>Loading release notes…</source>
        <translation>リリースノートを読み込んでいます…</translation>
    </message>
</context>
<context>
    <name>KestUpdate::Client</name>
    <message>
        <source>manifestBaseUrl is not valid</source>
        <translation>manifestBaseUrl が無効です</translation>
    </message>
    <message>
        <source>currentVersion is empty</source>
        <translation>currentVersion が空です</translation>
    </message>
    <message>
        <source>network error: %1</source>
        <translation>ネットワークエラー: %1</translation>
    </message>
    <message>
        <source>the manifest is larger than 1 MB</source>
        <translation>マニフェストが 1 MB を超えています</translation>
    </message>
    <message>
        <source>manifest invalid: %1</source>
        <translation>マニフェストが無効です: %1</translation>
    </message>
    <message>
        <source>current version %1 is older than min_upgradable_from %2; please upgrade to an intermediate release first</source>
        <translation>現在のバージョン %1 は min_upgradable_from %2 より古いため、先に中間のリリースへ更新してください</translation>
    </message>
</context>
<context>
    <name>KestUpdate::UpdateDialog</name>
    <message>
        <source>Update available</source>
        <translation>アップデートがあります</translation>
    </message>
    <message>
        <source>A new version of %1 is available.</source>
        <translation>%1 の新しいバージョンがあります。</translation>
    </message>
    <message>
        <source>You have version %1. The latest version is %2.</source>
        <translation>お使いのバージョンは %1 です。最新バージョンは %2 です。</translation>
    </message>
    <message>
        <source>Loading release notes…</source>
        <translation>リリースノートを読み込んでいます…</translation>
    </message>
    <message>
        <source>*Release notes are not available for this version.*</source>
        <translation>*このバージョンのリリースノートはありません。*</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>ダウンロード</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>後で</translation>
    </message>
</context>
<context>
    <name>KestUpdate::WhatsNewDialog</name>
    <message>
        <source>What&apos;s New in %1 %2</source>
        <translation>%1 %2 の新機能</translation>
    </message>
    <message>
        <source>What&apos;s new in %1 %2</source>
        <translation>%1 %2 の新機能</translation>
    </message>
    <message>
        <source>You are running version %1</source>
        <translation>実行中のバージョン: %1</translation>
    </message>
    <message>
        <source>Download %1</source>
        <translation>%1 をダウンロード</translation>
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
        <translation>レポート</translation>
    </message>
    <message>
        <source>Recurring Transactions</source>
        <translation>定期取引</translation>
    </message>
    <message>
        <source>Search Transactions</source>
        <translation>取引の検索</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>カテゴリ</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>環境設定</translation>
    </message>
    <message>
        <source>Reconciliation History</source>
        <translation>照合履歴</translation>
    </message>
    <message>
        <source>Import Transactions</source>
        <translation>取引のインポート</translation>
    </message>
    <message>
        <source>Payee Management</source>
        <translation>支払先の管理</translation>
    </message>
    <message>
        <source>Sign In Required</source>
        <translation>サインインが必要です</translation>
    </message>
    <message>
        <source>Sharing requires a Kestrelwood account. Sign in via File › Sign In to enable sharing.</source>
        <translation>共有には Kestrelwood アカウントが必要です。ファイル › サインイン からサインインすると共有を使えます。</translation>
    </message>
    <message>
        <source>Share Account</source>
        <translation>口座の共有</translation>
    </message>
    <message>
        <source>Delete Account</source>
        <translation>口座の削除</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;?

All transactions, recurring entries, and reconciliation history for this account will be removed. You can restore it from Preferences → Data &amp; Sync.</source>
        <translation>「%1」を削除しますか?

この口座のすべての取引、定期取引、照合履歴が削除されます。環境設定 → データと同期 から復元できます。</translation>
    </message>
    <message>
        <source>Kestrelwood Account</source>
        <translation>Kestrelwood アカウント</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;New Transaction</source>
        <translation>新しい取引(&amp;N)</translation>
    </message>
    <message>
        <source>New &amp;Account</source>
        <translation>新しい口座(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>インポート(&amp;I)...</translation>
    </message>
    <message>
        <source>Kestrelwood &amp;Account...</source>
        <translation>Kestrelwood アカウント(&amp;K)...</translation>
    </message>
    <message>
        <source>&amp;Sign In...</source>
        <translation>サインイン(&amp;S)...</translation>
    </message>
    <message>
        <source>Sign &amp;Out</source>
        <translation>サインアウト(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>終了(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>検索(&amp;F)...</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>環境設定(&amp;P)...</translation>
    </message>
    <message>
        <source>&amp;Account</source>
        <translation>口座(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>編集(&amp;E)...</translation>
    </message>
    <message>
        <source>&amp;Reconcile...</source>
        <translation>照合(&amp;R)...</translation>
    </message>
    <message>
        <source>Reconciliation &amp;History...</source>
        <translation>照合履歴(&amp;H)...</translation>
    </message>
    <message>
        <source>Rename &amp;Payees...</source>
        <translation>支払先の名前を変更(&amp;P)...</translation>
    </message>
    <message>
        <source>&amp;Share...</source>
        <translation>共有(&amp;S)...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>削除(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>表示(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Reports</source>
        <translation>レポート(&amp;R)</translation>
    </message>
    <message>
        <source>Re&amp;curring Transactions</source>
        <translation>定期取引(&amp;C)</translation>
    </message>
    <message>
        <source>C&amp;ategories</source>
        <translation>カテゴリ(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;About Kestrelwood Checkbook</source>
        <translation>Kestrelwood Checkbook について(&amp;A)</translation>
    </message>
    <message>
        <source>What&apos;s &amp;New...</source>
        <translation>新機能(&amp;N)...</translation>
    </message>
    <message>
        <source>Check for &amp;Updates...</source>
        <translation>アップデートを確認(&amp;U)...</translation>
    </message>
    <message>
        <source>Send &amp;Feedback...</source>
        <translation>フィードバックを送信(&amp;F)...</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>キーボードショートカット(&amp;K)</translation>
    </message>
    <message>
        <source>Load &amp;Sample Data</source>
        <translation>サンプルデータを読み込む(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Clear Sample Data</source>
        <translation>サンプルデータを消去(&amp;C)</translation>
    </message>
    <message>
        <source>Welcome to Kestrelwood Checkbook</source>
        <translation>Kestrelwood Checkbook へようこそ</translation>
    </message>
    <message>
        <source>Create your first account to get started.</source>
        <translation>最初の口座を作成して始めましょう。</translation>
    </message>
    <message>
        <source>Create Account</source>
        <translation>口座を作成</translation>
    </message>
    <message>
        <source>You can also import transactions from a CSV file via File › Import.</source>
        <translation>ファイル › インポート から CSV ファイルの取引を取り込むこともできます。</translation>
    </message>
    <message>
        <source>Not signed in</source>
        <translation>サインインしていません</translation>
    </message>
    <message>
        <source>Select an account first</source>
        <translation>先に口座を選択してください</translation>
    </message>
    <message>
        <source>About Kestrelwood Checkbook</source>
        <translation>Kestrelwood Checkbook について</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>取引記録</translation>
    </message>
    <message>
        <source>Save transaction</source>
        <translation>取引を保存</translation>
    </message>
    <message>
        <source>Delete current transaction</source>
        <translation>現在の取引を削除</translation>
    </message>
    <message>
        <source>Next / previous field</source>
        <translation>次 / 前のフィールド</translation>
    </message>
    <message>
        <source>&apos; (apostrophe)</source>
        <translation>&apos;(アポストロフィ)</translation>
    </message>
    <message>
        <source>Copy value from field above</source>
        <translation>上のフィールドの値をコピー</translation>
    </message>
    <message>
        <source>Date Field</source>
        <translation>日付フィールド</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>今日</translation>
    </message>
    <message>
        <source>Next / previous day</source>
        <translation>翌日 / 前日</translation>
    </message>
    <message>
        <source>First / last day of month</source>
        <translation>月の初日 / 末日</translation>
    </message>
    <message>
        <source>First / last day of year</source>
        <translation>年の初日 / 末日</translation>
    </message>
    <message>
        <source>First / last day of week</source>
        <translation>週の初日 / 最終日</translation>
    </message>
    <message>
        <source>General</source>
        <translation>全般</translation>
    </message>
    <message>
        <source>New account</source>
        <translation>新しい口座</translation>
    </message>
    <message>
        <source>Reconcile account</source>
        <translation>口座を照合</translation>
    </message>
    <message>
        <source>Search transactions</source>
        <translation>取引を検索</translation>
    </message>
    <message>
        <source>Recurring transactions</source>
        <translation>定期取引</translation>
    </message>
    <message>
        <source>Accounts</source>
        <translation>口座</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1～%2</translation>
    </message>
    <message>
        <source>Switch to account 1 to 9</source>
        <translation>口座 1～9 に切り替え</translation>
    </message>
    <message>
        <source>Switch to account 10</source>
        <translation>口座 10 に切り替え</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>キーボードショートカット</translation>
    </message>
    <message>
        <source>New Account</source>
        <translation>新しい口座</translation>
    </message>
    <message>
        <source>The account could not be created.</source>
        <translation>口座を作成できませんでした。</translation>
    </message>
    <message>
        <source>Edit Account</source>
        <translation>口座の編集</translation>
    </message>
    <message>
        <source>The account could not be saved.</source>
        <translation>口座を保存できませんでした。</translation>
    </message>
    <message>
        <source>The account could not be deleted.</source>
        <translation>口座を削除できませんでした。</translation>
    </message>
    <message>
        <source>Transaction memorized as recurring</source>
        <translation>取引を定期取引として登録しました</translation>
    </message>
    <message>
        <source>Not Saved</source>
        <translation>保存されていません</translation>
    </message>
    <message>
        <source>The recurring transaction could not be saved.</source>
        <translation>定期取引を保存できませんでした。</translation>
    </message>
    <message>
        <source>Insert new transaction (elsewhere: import)</source>
        <translation>新しい取引を挿入（その他の画面ではインポート）</translation>
    </message>
    <message>
        <source>New transaction in a form (elsewhere: in the register)</source>
        <translation>フォームで新しい取引（その他の画面では台帳で）</translation>
    </message>
    <message>
        <source>Memorize as recurring transaction</source>
        <translation>定期取引として記憶</translation>
    </message>
    <message>
        <source>Open the list or calendar</source>
        <translation>リストまたはカレンダーを開く</translation>
    </message>
    <message>
        <source>Reconcile — %1</source>
        <translation>照合 — %1</translation>
    </message>
    <message numerus="yes">
        <source>Auto-posted %n recurring transaction(s)</source>
        <translation>
            <numerusform>定期取引 %n 件を自動で記帳しました</numerusform>
        </translation>
    </message>
    <message>
        <source>Some recurring transactions were not posted automatically:</source>
        <translation>一部の定期取引は自動で記帳されませんでした:</translation>
    </message>
    <message>
        <source>This transaction was deleted.</source>
        <translation>この取引は削除されました。</translation>
    </message>
    <message>
        <source>Sample Data</source>
        <translation>サンプルデータ</translation>
    </message>
    <message>
        <source>Sample data is already loaded.</source>
        <translation>サンプルデータはすでに読み込まれています。</translation>
    </message>
    <message>
        <source>The sample data could not be loaded.</source>
        <translation>サンプルデータを読み込めませんでした。</translation>
    </message>
    <message>
        <source>Sample data loaded</source>
        <translation>サンプルデータを読み込みました</translation>
    </message>
    <message>
        <source>No sample data to clear.</source>
        <translation>消去するサンプルデータはありません。</translation>
    </message>
    <message>
        <source>Clear Sample Data</source>
        <translation>サンプルデータの消去</translation>
    </message>
    <message>
        <source>Remove the sample accounts with all their transactions and recurring transactions?</source>
        <translation>サンプルの口座を、そのすべての取引と定期取引とともに削除しますか?</translation>
    </message>
    <message>
        <source>The sample data could not be cleared.</source>
        <translation>サンプルデータを消去できませんでした。</translation>
    </message>
    <message>
        <source>Sample data cleared</source>
        <translation>サンプルデータを消去しました</translation>
    </message>
    <message>
        <source>Signed in successfully</source>
        <translation>サインインしました</translation>
    </message>
    <message>
        <source>Sign-in failed: %1</source>
        <translation>サインインに失敗しました: %1</translation>
    </message>
    <message>
        <source>Sign-In Not Remembered</source>
        <translation>サインインは保存されません</translation>
    </message>
    <message>
        <source>Your sign-in could not be saved in the system&apos;s keyring, so you will need to sign in again the next time you start Kestrelwood Checkbook.</source>
        <translation>サインイン情報をシステムのキーリングに保存できなかったため、次回 Kestrelwood Checkbook を起動したときにもう一度サインインが必要です。</translation>
    </message>
    <message>
        <source>Sharing: %1</source>
        <translation>共有: %1</translation>
    </message>
    <message>
        <source>Share this account with members of your Kestrelwood family group. They&apos;ll see the same register, balances, and reconciliation history on their devices.</source>
        <translation>この口座を Kestrelwood ファミリーグループのメンバーと共有します。メンバーは自分のデバイスで同じ記録簿、残高、照合履歴を見られます。</translation>
    </message>
    <message>
        <source>Shared with</source>
        <translation>共有先</translation>
    </message>
    <message>
        <source>Not shared with anyone yet.</source>
        <translation>まだ誰とも共有していません。</translation>
    </message>
    <message>
        <source>You are not in a family group yet. Invite someone or join a group in File › Kestrelwood Account, then share this account here.</source>
        <translation>まだファミリーグループに入っていません。ファイル › Kestrelwood アカウントで誰かを招待するかグループに参加してから、ここでこの口座を共有してください。</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>共有</translation>
    </message>
    <message>
        <source>Remove Selected</source>
        <translation>選択項目を削除</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Share Failed</source>
        <translation>共有に失敗しました</translation>
    </message>
    <message>
        <source>Remove Failed</source>
        <translation>削除に失敗しました</translation>
    </message>
    <message>
        <source>Remove Share</source>
        <translation>共有を解除</translation>
    </message>
    <message>
        <source>Remove %1&apos;s access to this account?</source>
        <translation>%1 のこの口座へのアクセスを解除しますか?</translation>
    </message>
    <message>
        <source>Sync complete</source>
        <translation>同期が完了しました</translation>
    </message>
    <message>
        <source>Sync failed: %1</source>
        <translation>同期に失敗しました: %1</translation>
    </message>
    <message>
        <source>Sync paused</source>
        <translation>同期を一時停止中</translation>
    </message>
    <message>
        <source>Different Account</source>
        <translation>別のアカウント</translation>
    </message>
    <message>
        <source>This device&apos;s books could not be prepared for the account you signed in with, so nothing was synced. %1</source>
        <translation>このデバイスのデータをサインインしたアカウント用に準備できなかったため、何も同期されませんでした。%1</translation>
    </message>
</context>
<context>
    <name>Manifest</name>
    <message>
        <source>missing or non-string field: %1</source>
        <translation>フィールド %1 がないか文字列ではありません</translation>
    </message>
    <message>
        <source>artifact %1 is not an object</source>
        <translation>アーティファクト %1 がオブジェクトではありません</translation>
    </message>
    <message>
        <source>artifact %1 failed validation</source>
        <translation>アーティファクト %1 の検証に失敗しました</translation>
    </message>
    <message>
        <source>JSON parse error: %1</source>
        <translation>JSON の解析エラー: %1</translation>
    </message>
    <message>
        <source>manifest root is not a JSON object</source>
        <translation>マニフェストのルートが JSON オブジェクトではありません</translation>
    </message>
    <message>
        <source>missing or non-integer field: schema</source>
        <translation>フィールド schema がないか整数ではありません</translation>
    </message>
    <message>
        <source>unsupported manifest schema: %1 (expected %2)</source>
        <translation>対応していないマニフェストのスキーマです: %1 (期待値 %2)</translation>
    </message>
    <message>
        <source>missing or non-object field: artifacts</source>
        <translation>フィールド artifacts がないかオブジェクトではありません</translation>
    </message>
    <message>
        <source>manifest failed validation</source>
        <translation>マニフェストの検証に失敗しました</translation>
    </message>
</context>
<context>
    <name>PayeeMemoEditor</name>
    <message>
        <source>Memo</source>
        <translation>メモ</translation>
    </message>
</context>
<context>
    <name>PayeeScreen</name>
    <message>
        <source>Select the payees to rename first.</source>
        <translation>先に名前を変更する支払先を選択してください。</translation>
    </message>
    <message>
        <source>Type the new name under &quot;Rename to:&quot; first.</source>
        <translation>先に「変更後の名前:」に新しい名前を入力してください。</translation>
    </message>
    <message>
        <source>Rename Payees</source>
        <translation>支払先の名前を変更</translation>
    </message>
    <message>
        <source>The payees could not be renamed.</source>
        <translation>支払先の名前を変更できませんでした。</translation>
    </message>
    <message>
        <source>Rename Complete</source>
        <translation>名前の変更が完了しました</translation>
    </message>
    <message numerus="yes">
        <source>Renamed %n transaction(s).</source>
        <translation>
            <numerusform>%n 件の取引の支払先名を変更しました。</numerusform>
        </translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>統合</translation>
    </message>
    <message>
        <source>Select 2 or more payees to merge.</source>
        <translation>統合する支払先を 2 つ以上選択してください。</translation>
    </message>
    <message>
        <source>Merge Payees</source>
        <translation>支払先の統合</translation>
    </message>
    <message>
        <source>The payees could not be merged.</source>
        <translation>支払先を統合できませんでした。</translation>
    </message>
    <message>
        <source>Merge Complete</source>
        <translation>統合が完了しました</translation>
    </message>
    <message numerus="yes">
        <source>Merged %n transaction(s).</source>
        <translation>
            <numerusform>%n 件の取引の支払先を統合しました。</numerusform>
        </translation>
    </message>
    <message>
        <source>Payees</source>
        <translation>支払先</translation>
    </message>
    <message>
        <source>Rename to:</source>
        <translation>変更後の名前:</translation>
    </message>
    <message>
        <source>Rename Selected</source>
        <translation>選択項目の名前を変更</translation>
    </message>
    <message>
        <source>Merge Selected</source>
        <translation>選択項目を統合</translation>
    </message>
    <message>
        <source>Merge %1 payees into &quot;%2&quot;?</source>
        <translation>%1 件の支払先を「%2」に統合しますか?</translation>
    </message>
</context>
<context>
    <name>PaymentDepositChoice</name>
    <message>
        <source>Payment</source>
        <translation>支払い</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>入金</translation>
    </message>
</context>
<context>
    <name>PaymentFormFields</name>
    <message>
        <source>Start typing to search payees...</source>
        <translation>入力して支払先を検索...</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(なし)</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>任意</translation>
    </message>
</context>
<context>
    <name>ReconciliationHistoryScreen</name>
    <message>
        <source>Reconciliation History</source>
        <translation>照合履歴</translation>
    </message>
    <message>
        <source>Past reconciliations for this account.</source>
        <translation>この口座の過去の照合です。</translation>
    </message>
    <message>
        <source>Statement Date</source>
        <translation>明細書の日付</translation>
    </message>
    <message>
        <source>Statement Balance</source>
        <translation>明細書の残高</translation>
    </message>
    <message>
        <source>Reconciled Balance</source>
        <translation>照合済みの残高</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>完了日時</translation>
    </message>
    <message>
        <source>No reconciliations yet. Reconcile your account from the register to see the history here.</source>
        <translation>まだ照合はありません。取引記録から口座を照合すると、ここに履歴が表示されます。</translation>
    </message>
    <message>
        <source>Reconciliation History — %1</source>
        <translation>照合履歴 — %1</translation>
    </message>
</context>
<context>
    <name>ReconciliationModel</name>
    <message>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>支払先</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>金額</translation>
    </message>
    <message>
        <source>Clr</source>
        <translation>済</translation>
    </message>
</context>
<context>
    <name>ReconciliationScreen</name>
    <message>
        <source>Reconcile Account</source>
        <translation>口座の照合</translation>
    </message>
    <message>
        <source>Statement Date:</source>
        <translation>明細書の日付:</translation>
    </message>
    <message>
        <source>Statement Balance:</source>
        <translation>明細書の残高:</translation>
    </message>
    <message>
        <source>Previous Balance</source>
        <translation>前回の残高</translation>
    </message>
    <message>
        <source>Cleared Deposits</source>
        <translation>決済済みの入金</translation>
    </message>
    <message>
        <source>Cleared Withdrawals</source>
        <translation>決済済みの出金</translation>
    </message>
    <message>
        <source>Cleared Balance</source>
        <translation>決済済みの残高</translation>
    </message>
    <message>
        <source>Statement Balance</source>
        <translation>明細書の残高</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>差額</translation>
    </message>
    <message>
        <source>Finish Reconciliation</source>
        <translation>照合を完了</translation>
    </message>
    <message>
        <source>Finish when the difference is zero (%1)</source>
        <translation>差額が 0 になったら完了 (%1)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Add Transaction</source>
        <translation>取引を追加</translation>
    </message>
    <message>
        <source>Add a transaction (%1)</source>
        <translation>取引を追加 (%1)</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>編集</translation>
    </message>
    <message>
        <source>Edit selected transaction (F2)</source>
        <translation>選択した取引を編集 (F2)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Delete selected transaction (Del)</source>
        <translation>選択した取引を削除 (Del)</translation>
    </message>
    <message>
        <source>Enter a valid date, such as %1</source>
        <translation>有効な日付を入力してください（例: %1）</translation>
    </message>
    <message>
        <source>The ticked transactions must match the statement balance: the difference is %1.</source>
        <translation>チェックした取引の合計が明細書の残高と一致する必要があります。差額は %1 です。</translation>
    </message>
    <message>
        <source>Not Reconciled</source>
        <translation>照合されていません</translation>
    </message>
    <message>
        <source>The account was not reconciled; nothing was changed.</source>
        <translation>口座は照合されませんでした。何も変更されていません。</translation>
    </message>
    <message>
        <source>Reconciliation Complete</source>
        <translation>照合が完了しました</translation>
    </message>
    <message>
        <source>Account reconciled successfully.</source>
        <translation>口座の照合が完了しました。</translation>
    </message>
    <message>
        <source>Not Saved</source>
        <translation>保存されていません</translation>
    </message>
    <message>
        <source>The transaction could not be saved.</source>
        <translation>取引を保存できませんでした。</translation>
    </message>
    <message>
        <source>Not Deleted</source>
        <translation>削除されていません</translation>
    </message>
    <message>
        <source>The transaction could not be deleted.</source>
        <translation>取引を削除できませんでした。</translation>
    </message>
    <message>
        <source>Select a transaction in the list first.</source>
        <translation>先に一覧から取引を選択してください。</translation>
    </message>
    <message>
        <source>too large</source>
        <translation>大きすぎます</translation>
    </message>
</context>
<context>
    <name>ReconciliationService</name>
    <message>
        <source>The account no longer exists.</source>
        <translation>口座はもう存在しません。</translation>
    </message>
    <message>
        <source>The statement date is not a valid date.</source>
        <translation>明細書の日付が有効な日付ではありません。</translation>
    </message>
    <message>
        <source>Transactions reconciled before were changed elsewhere, so the ticked ones no longer add up to the statement balance of %1.</source>
        <translation>以前に照合した取引が別の場所で変更されたため、チェックした取引の合計が明細書の残高 %1 と一致しなくなりました。</translation>
    </message>
    <message>
        <source>The amount of &quot;%1&quot; was changed elsewhere from %2 to %3.</source>
        <translation>「%1」の金額が別の場所で %2 から %3 に変更されました。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was reconciled elsewhere meanwhile.</source>
        <translation>「%1」はその間に別の場所で照合されました。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was deleted elsewhere after the reconciliation window read it.</source>
        <translation>「%1」は照合ウィンドウが読み込んだ後に別の場所で削除されました。</translation>
    </message>
</context>
<context>
    <name>RecurringFormDialog</name>
    <message>
        <source>Memorize Transaction</source>
        <translation>定期取引として登録</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>種類:</translation>
    </message>
    <message>
        <source>Payee:</source>
        <translation>支払先:</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>金額:</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>毎日</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>毎週</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>毎月</translation>
    </message>
    <message>
        <source>Quarterly</source>
        <translation>四半期ごと</translation>
    </message>
    <message>
        <source>Frequency:</source>
        <translation>頻度:</translation>
    </message>
    <message>
        <source>Start Date:</source>
        <translation>開始日:</translation>
    </message>
    <message>
        <source>Auto-post when due</source>
        <translation>期日に自動で記帳</translation>
    </message>
    <message>
        <source>New Recurring Transaction</source>
        <translation>新しい定期取引</translation>
    </message>
    <message>
        <source>Edit Recurring Transaction</source>
        <translation>定期取引の編集</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>口座:</translation>
    </message>
    <message>
        <source>(deleted account)</source>
        <translation>(削除された口座)</translation>
    </message>
    <message>
        <source>Transfer to:</source>
        <translation>振替先:</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>カテゴリ:</translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation>メモ:</translation>
    </message>
    <message>
        <source>Bi-weekly</source>
        <translation>2 週間ごと</translation>
    </message>
    <message>
        <source>Semi-annual</source>
        <translation>半年ごと</translation>
    </message>
    <message>
        <source>Annual</source>
        <translation>毎年</translation>
    </message>
    <message>
        <source>Has end date</source>
        <translation>終了日あり</translation>
    </message>
    <message>
        <source>End Date:</source>
        <translation>終了日:</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>有効</translation>
    </message>
    <message>
        <source>(deleted category)</source>
        <translation>(削除されたカテゴリ)</translation>
    </message>
    <message>
        <source>Rounded to %1: amounts in %2 have no fractions.</source>
        <translation>%1 に丸めました。%2 の金額には小数がありません。</translation>
    </message>
    <message>
        <source>Next due on %1.</source>
        <translation>次回の期日は %1 です。</translation>
    </message>
    <message>
        <source>It ends before it is next due on %1, so it would never post: it is saved as inactive.</source>
        <translation>次回の期日 %1 より前に終了するため、記帳されることはありません。無効として保存されます。</translation>
    </message>
    <message>
        <source>Next due on %1; the transaction of %2 is already in the register.</source>
        <translation>次回の期日は %1 です。%2 の取引はすでに取引記録にあります。</translation>
    </message>
    <message>
        <source>Enter a valid date, such as %1</source>
        <translation>有効な日付を入力してください（例: %1）</translation>
    </message>
    <message>
        <source>Create an account first: a recurring transaction posts into one.</source>
        <translation>先に口座を作成してください。定期取引は口座に記帳されます。</translation>
    </message>
    <message>
        <source>Payee is required</source>
        <translation>支払先を入力してください</translation>
    </message>
    <message>
        <source>Enter a payment or deposit amount</source>
        <translation>支払いまたは入金の金額を入力してください</translation>
    </message>
    <message>
        <source>There is no category &quot;%1&quot;. Choose one from the list.</source>
        <translation>「%1」というカテゴリはありません。一覧から選んでください。</translation>
    </message>
    <message>
        <source>Enter a start date in 2000 or later.</source>
        <translation>開始日には 2000 年以降の日付を入力してください。</translation>
    </message>
    <message>
        <source>Transfer account not found</source>
        <translation>振替先の口座が見つかりません</translation>
    </message>
    <message>
        <source>Transfers require both accounts to use the same currency</source>
        <translation>振替には両方の口座が同じ通貨である必要があります</translation>
    </message>
</context>
<context>
    <name>RecurringModel</name>
    <message>
        <source>Account</source>
        <translation>口座</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>支払先</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>金額</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>頻度</translation>
    </message>
    <message>
        <source>Next Due</source>
        <translation>次回の期日</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>自動</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状態</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>No</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>有効</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation>無効</translation>
    </message>
</context>
<context>
    <name>RecurringScreen</name>
    <message>
        <source>Recurring Transactions</source>
        <translation>定期取引</translation>
    </message>
    <message>
        <source>Confirm All Due</source>
        <translation>期日の取引をすべて確定</translation>
    </message>
    <message>
        <source>New Recurring</source>
        <translation>新しい定期取引</translation>
    </message>
    <message>
        <source>(%1 due)</source>
        <translation>(%1 件が期日)</translation>
    </message>
    <message>
        <source>• %1: %2</source>
        <translation>• %1: %2</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Confirm</source>
        <translation>確定(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Skip</source>
        <translation>スキップ(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>削除(&amp;D)</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not posted.</source>
        <translation>「%1」は記帳されませんでした。</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>スキップ</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not skipped.</source>
        <translation>「%1」はスキップされませんでした。</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Delete recurring &quot;%1&quot;?</source>
        <translation>定期取引「%1」を削除しますか?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be deleted.</source>
        <translation>「%1」を削除できませんでした。</translation>
    </message>
    <message numerus="yes">
        <source>%n recurring transaction(s) posted.</source>
        <translation>
            <numerusform>定期取引 %n 件を記帳しました。</numerusform>
        </translation>
    </message>
    <message>
        <source>Not posted:</source>
        <translation>記帳されなかった取引:</translation>
    </message>
    <message>
        <source>The recurring transaction could not be saved.</source>
        <translation>定期取引を保存できませんでした。</translation>
    </message>
</context>
<context>
    <name>RecurringService</name>
    <message>
        <source>This recurring transaction was deleted elsewhere.</source>
        <translation>この定期取引は別の場所で削除されました。</translation>
    </message>
    <message>
        <source>This recurring transaction is inactive.</source>
        <translation>この定期取引は無効です。</translation>
    </message>
    <message>
        <source>Its next due date is not a valid date, so it was made inactive. Give it a new start date to use it again.</source>
        <translation>次回の期日が有効な日付ではないため、無効にしました。再び使うには、新しい開始日を設定してください。</translation>
    </message>
    <message>
        <source>The occurrence due on %1 is already in the register, so it was not posted again.</source>
        <translation>%1 が期日の取引はすでに取引記録にあるため、再度記帳しませんでした。</translation>
    </message>
    <message>
        <source>A whole year of missed occurrences was posted at once, so it was made inactive. Check its dates before making it active again.</source>
        <translation>未処理の 1 年分の取引がまとめて記帳されたため、無効にしました。再び有効にする前に日付を確認してください。</translation>
    </message>
    <message>
        <source>It ended on %1, before its next due date %2, so nothing was posted and it was made inactive.</source>
        <translation>次回の期日 %2 より前の %1 に終了したため、何も記帳せずに無効にしました。</translation>
    </message>
</context>
<context>
    <name>RegisterModel</name>
    <message>
        <source>Payee / Memo</source>
        <translation>支払先 / メモ</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>残高</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>Chk #</source>
        <translation>番号</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>支払先</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>カテゴリ</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>メモ</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>支払い</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>入金</translation>
    </message>
    <message>
        <source>Clr</source>
        <translation>済</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>桁あふれ</translation>
    </message>
    <message>
        <source>The balance is too large to show.</source>
        <translation>残高が大きすぎて表示できません。</translation>
    </message>
</context>
<context>
    <name>RegisterScreen</name>
    <message>
        <source>Cannot memorize: source transaction has an invalid date</source>
        <translation>登録できません: 元の取引の日付が無効です</translation>
    </message>
    <message>
        <source>&amp;Insert New</source>
        <translation>新規挿入(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;New Transaction...</source>
        <translation>新しい取引(&amp;N)...</translation>
    </message>
    <message>
        <source>Mark &amp;Uncleared</source>
        <translation>未決済にする(&amp;U)</translation>
    </message>
    <message>
        <source>Mark &amp;Cleared</source>
        <translation>決済済みにする(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>削除(&amp;D)</translation>
    </message>
    <message>
        <source>Fields cleared</source>
        <translation>入力欄をクリアしました</translation>
    </message>
    <message>
        <source>Reconcile</source>
        <translation>照合</translation>
    </message>
    <message>
        <source>%1: save  |  Enter: next  |  %2: delete  |  %3: memorize  |  &apos;: copy above</source>
        <translation>%1: 保存  |  Enter: 次へ  |  %2: 削除  |  %3: 定期登録  |  &apos;: 上をコピー</translation>
    </message>
    <message>
        <source>Payee is required</source>
        <translation>支払先を入力してください</translation>
    </message>
    <message>
        <source>Enter a payment or deposit amount</source>
        <translation>支払いまたは入金の金額を入力してください</translation>
    </message>
    <message>
        <source>Enter a valid amount</source>
        <translation>有効な金額を入力してください</translation>
    </message>
    <message>
        <source>Transfer account not found</source>
        <translation>振替先の口座が見つかりません</translation>
    </message>
    <message>
        <source>Transfers require both accounts to use the same currency</source>
        <translation>振替には両方の口座が同じ通貨である必要があります</translation>
    </message>
    <message>
        <source>The transaction could not be changed.</source>
        <translation>取引を変更できませんでした。</translation>
    </message>
    <message>
        <source>The transaction could not be deleted.</source>
        <translation>取引を削除できませんでした。</translation>
    </message>
    <message>
        <source>The transaction could not be saved.</source>
        <translation>取引を保存できませんでした。</translation>
    </message>
    <message>
        <source>Transaction Changed</source>
        <translation>取引が変更されました</translation>
    </message>
    <message>
        <source>%1

What you typed is still on screen.</source>
        <translation>%1

入力した内容は画面に残っています。</translation>
    </message>
    <message>
        <source>Keep Editing</source>
        <translation>編集を続ける</translation>
    </message>
    <message>
        <source>Show Saved Version</source>
        <translation>保存済みの内容を表示</translation>
    </message>
    <message>
        <source>Save Mine Instead</source>
        <translation>自分の内容で保存</translation>
    </message>
    <message>
        <source>Not Saved</source>
        <translation>保存されていません</translation>
    </message>
    <message>
        <source>The opening balance is not a transaction: change it with Account › Edit.</source>
        <translation>開始残高は取引ではありません。［口座］›［編集］で変更してください。</translation>
    </message>
    <message>
        <source>Enter a valid date, such as %1</source>
        <translation>有効な日付を入力してください（例: %1）</translation>
    </message>
    <message>
        <source>No category is named &quot;%1&quot;</source>
        <translation>「%1」という名前のカテゴリはありません</translation>
    </message>
    <message>
        <source>&quot;%1&quot; fits more than one category: choose one from the list</source>
        <translation>「%1」に当てはまるカテゴリが複数あります。一覧から選んでください</translation>
    </message>
    <message>
        <source>The transaction you were changing was deleted by another program.</source>
        <translation>変更中の取引は別のプログラムによって削除されました。</translation>
    </message>
    <message>
        <source>Unsaved Transaction</source>
        <translation>未保存の取引</translation>
    </message>
    <message>
        <source>The new transaction you typed is not saved yet.</source>
        <translation>入力した新しい取引はまだ保存されていません。</translation>
    </message>
    <message>
        <source>Your changes to this transaction are not saved yet.</source>
        <translation>この取引への変更はまだ保存されていません。</translation>
    </message>
    <message>
        <source>Save it, discard what you typed, or keep editing?</source>
        <translation>保存しますか、入力を破棄しますか、それとも編集を続けますか？</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>破棄</translation>
    </message>
</context>
<context>
    <name>ReportChart</name>
    <message>
        <source>No data for this period</source>
        <translation>この期間のデータはありません</translation>
    </message>
    <message>
        <source>The chart is not shown, so there is no picture to save.</source>
        <translation>グラフが表示されていないため、保存する画像がありません。</translation>
    </message>
    <message>
        <source>The file %1 could not be opened for writing: %2</source>
        <translation>ファイル %1 を書き込み用に開けませんでした: %2</translation>
    </message>
    <message>
        <source>The picture could not be written to %1: %2</source>
        <translation>画像を %1 に書き込めませんでした: %2</translation>
    </message>
    <message>
        <source>The file %1 could not be written: %2</source>
        <translation>ファイル %1 に書き込めませんでした: %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>その他</translation>
    </message>
    <message>
        <source>%1 %2: %3</source>
        <translation>%1 %2: %3</translation>
    </message>
    <message>
        <source>Period 1</source>
        <translation>期間 1</translation>
    </message>
    <message>
        <source>Period 2</source>
        <translation>期間 2</translation>
    </message>
    <message>
        <source>%1, %2: %3</source>
        <translation>%1, %2: %3</translation>
    </message>
    <message>
        <source>Net Worth (%1)</source>
        <translation>純資産 (%1)</translation>
    </message>
</context>
<context>
    <name>ReportPeriods</name>
    <message>
        <source>This Year vs Last Year</source>
        <translation>今年と昨年</translation>
    </message>
    <message>
        <source>Last Year vs Year Before</source>
        <translation>昨年と一昨年</translation>
    </message>
    <message>
        <source>This Quarter vs Last Quarter</source>
        <translation>今四半期と前四半期</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>カスタム</translation>
    </message>
</context>
<context>
    <name>ReportService</name>
    <message>
        <source>All Accounts (%1)</source>
        <translation>すべての口座 (%1)</translation>
    </message>
    <message>
        <source>All Accounts</source>
        <translation>すべての口座</translation>
    </message>
    <message>
        <source>The file %1 could not be opened for writing: %2</source>
        <translation>ファイル %1 を書き込み用に開けませんでした: %2</translation>
    </message>
    <message>
        <source>The file %1 could not be written: %2</source>
        <translation>ファイル %1 に書き込めませんでした: %2</translation>
    </message>
</context>
<context>
    <name>ReportTable</name>
    <message>
        <source>Month</source>
        <translation>月</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>収入</translation>
    </message>
    <message>
        <source>Expenses</source>
        <translation>支出</translation>
    </message>
    <message>
        <source>Net</source>
        <translation>差引</translation>
    </message>
    <message>
        <source>Inflows</source>
        <translation>入金</translation>
    </message>
    <message>
        <source>Outflows</source>
        <translation>出金</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>カテゴリ</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>合計</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>支払先</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>件数</translation>
    </message>
    <message>
        <source>Tax Code</source>
        <translation>税区分</translation>
    </message>
    <message>
        <source>too large</source>
        <translation>大きすぎます</translation>
    </message>
    <message>
        <source>Period 1</source>
        <translation>期間 1</translation>
    </message>
    <message>
        <source>Period 2</source>
        <translation>期間 2</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>差額</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>口座</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>種類</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>決済済み</translation>
    </message>
    <message>
        <source>Uncleared</source>
        <translation>未決済</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>メモ</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>金額</translation>
    </message>
    <message>
        <source>Checking</source>
        <translation>当座預金</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>普通預金</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>クレジットカード</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>現金</translation>
    </message>
    <message>
        <source>Investment</source>
        <translation>投資</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>その他</translation>
    </message>
</context>
<context>
    <name>ReportsScreen</name>
    <message>
        <source>Reports</source>
        <translation>レポート</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSV にエクスポート</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>口座:</translation>
    </message>
    <message>
        <source>Period:</source>
        <translation>期間:</translation>
    </message>
    <message>
        <source>Category Spending</source>
        <translation>カテゴリ別の支出</translation>
    </message>
    <message>
        <source>Payee Summary</source>
        <translation>支払先別の集計</translation>
    </message>
    <message>
        <source>Tax Report</source>
        <translation>税務レポート</translation>
    </message>
    <message>
        <source>Income vs Expenses</source>
        <translation>収入と支出</translation>
    </message>
    <message>
        <source>Cash Flow</source>
        <translation>キャッシュフロー</translation>
    </message>
    <message>
        <source>Year-over-Year</source>
        <translation>前年比較</translation>
    </message>
    <message>
        <source>Account Summary</source>
        <translation>口座の概要</translation>
    </message>
    <message>
        <source>Transactions</source>
        <translation>取引</translation>
    </message>
    <message>
        <source>Compare:</source>
        <translation>比較:</translation>
    </message>
    <message>
        <source>P1:</source>
        <translation>期間 1:</translation>
    </message>
    <message>
        <source>P2:</source>
        <translation>期間 2:</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>CSV ファイル (*.csv)</translation>
    </message>
    <message>
        <source>Export Failed</source>
        <translation>エクスポートに失敗しました</translation>
    </message>
    <message>
        <source>The report was not exported.

%1</source>
        <translation>レポートはエクスポートされませんでした。

%1</translation>
    </message>
    <message>
        <source>Show Charts</source>
        <translation>グラフを表示</translation>
    </message>
    <message>
        <source>Export Chart</source>
        <translation>グラフをエクスポート</translation>
    </message>
    <message>
        <source>PNG Images (*.png)</source>
        <translation>PNG 画像 (*.png)</translation>
    </message>
    <message>
        <source>The chart was not exported.

%1</source>
        <translation>グラフはエクスポートされませんでした。

%1</translation>
    </message>
    <message>
        <source>This report has no chart.</source>
        <translation>このレポートにはグラフがありません。</translation>
    </message>
</context>
<context>
    <name>RestoreResult</name>
    <message>
        <source>Import Complete</source>
        <translation>インポートが完了しました</translation>
    </message>
    <message>
        <source>Import Failed</source>
        <translation>インポートに失敗しました</translation>
    </message>
    <message>
        <source>Imported %1 items, skipped %2.</source>
        <translation>%1 件の項目をインポートし、%2 件をスキップしました。</translation>
    </message>
    <message numerus="yes">
        <source>

%n error(s) occurred.</source>
        <translation>
            <numerusform>

%n 件のエラーが発生しました。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SampleDataService</name>
    <message>
        <source>Main Checking</source>
        <translation>メインの当座預金</translation>
    </message>
    <message>
        <source>Riverbend Credit Union</source>
        <translation>Riverbend Credit Union</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>普通預金</translation>
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
        <translation>サンプルデータはすでに読み込まれています。</translation>
    </message>
    <message>
        <source>No sample data to clear.</source>
        <translation>消去するサンプルデータはありません。</translation>
    </message>
    <message numerus="yes">
        <source>The sample data was left in place: %n of your own entries (transactions, recurring transactions or reconciliations, including deleted ones) are in the sample accounts or transfer to them. Removing the sample accounts would take them along.</source>
        <translation>
            <numerusform>サンプルデータは削除せずに残しました: ご自身で入力した %n 件の項目 (取引、定期取引、照合。削除済みのものを含む) がサンプル口座にあるか、サンプル口座への振替になっています。サンプル口座を削除すると、これらも一緒に削除されます。</numerusform>
        </translation>
    </message>
    <message>
        <source>Brightpath Inc</source>
        <translation>Brightpath Inc</translation>
    </message>
    <message>
        <source>Biweekly paycheck</source>
        <translation>隔週の給与</translation>
    </message>
    <message>
        <source>Salary / Wages</source>
        <translation>給与・賃金</translation>
    </message>
    <message>
        <source>Pinecrest Apartments</source>
        <translation>Pinecrest Apartments</translation>
    </message>
    <message>
        <source>February rent</source>
        <translation>2月の家賃</translation>
    </message>
    <message>
        <source>Housing</source>
        <translation>住居</translation>
    </message>
    <message>
        <source>Rent/Mortgage Payment</source>
        <translation>家賃・住宅ローン返済</translation>
    </message>
    <message>
        <source>Greenleaf Market</source>
        <translation>Greenleaf Market</translation>
    </message>
    <message>
        <source>Weekly groceries</source>
        <translation>毎週の食料品</translation>
    </message>
    <message>
        <source>Groceries</source>
        <translation>食料品</translation>
    </message>
    <message>
        <source>Hilltop Gas</source>
        <translation>Hilltop Gas</translation>
    </message>
    <message>
        <source>Fill up</source>
        <translation>給油</translation>
    </message>
    <message>
        <source>Transportation</source>
        <translation>交通</translation>
    </message>
    <message>
        <source>Gas/Fuel</source>
        <translation>ガソリン・燃料</translation>
    </message>
    <message>
        <source>Lakeside Utilities</source>
        <translation>Lakeside Utilities</translation>
    </message>
    <message>
        <source>Electric bill</source>
        <translation>電気料金</translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation>光熱費</translation>
    </message>
    <message>
        <source>Electric</source>
        <translation>電気</translation>
    </message>
    <message>
        <source>Water bill</source>
        <translation>水道料金</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>水道</translation>
    </message>
    <message>
        <source>Streamline TV</source>
        <translation>Streamline TV</translation>
    </message>
    <message>
        <source>Monthly streaming</source>
        <translation>毎月のストリーミング</translation>
    </message>
    <message>
        <source>Entertainment</source>
        <translation>娯楽</translation>
    </message>
    <message>
        <source>Streaming</source>
        <translation>ストリーミング</translation>
    </message>
    <message>
        <source>Maplewood Diner</source>
        <translation>Maplewood Diner</translation>
    </message>
    <message>
        <source>Dinner out</source>
        <translation>外食（夕食）</translation>
    </message>
    <message>
        <source>Dining &amp; Restaurants</source>
        <translation>外食・レストラン</translation>
    </message>
    <message>
        <source>Clearview Insurance</source>
        <translation>Clearview Insurance</translation>
    </message>
    <message>
        <source>Auto insurance</source>
        <translation>自動車保険</translation>
    </message>
    <message>
        <source>Insurance</source>
        <translation>保険</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>自動車</translation>
    </message>
    <message>
        <source>Hope Community Church</source>
        <translation>Hope Community Church</translation>
    </message>
    <message>
        <source>Monthly donation</source>
        <translation>毎月の寄付</translation>
    </message>
    <message>
        <source>Charitable Donations</source>
        <translation>寄付</translation>
    </message>
    <message>
        <source>Transfer to Savings</source>
        <translation>Transfer to Savings</translation>
    </message>
    <message>
        <source>Monthly savings</source>
        <translation>毎月の貯蓄</translation>
    </message>
    <message>
        <source>March rent</source>
        <translation>3月の家賃</translation>
    </message>
    <message>
        <source>NetConnect ISP</source>
        <translation>NetConnect ISP</translation>
    </message>
    <message>
        <source>Internet service</source>
        <translation>インターネット料金</translation>
    </message>
    <message>
        <source>Internet</source>
        <translation>インターネット</translation>
    </message>
    <message>
        <source>Lunch</source>
        <translation>昼食</translation>
    </message>
    <message>
        <source>Ridgeline Pharmacy</source>
        <translation>Ridgeline Pharmacy</translation>
    </message>
    <message>
        <source>Prescriptions</source>
        <translation>処方薬</translation>
    </message>
    <message>
        <source>Medical Expenses</source>
        <translation>医療費</translation>
    </message>
    <message>
        <source>Coffee &amp; pastry</source>
        <translation>コーヒーとペストリー</translation>
    </message>
    <message>
        <source>Interest payment</source>
        <translation>利息の支払い</translation>
    </message>
    <message>
        <source>Interest Income</source>
        <translation>受取利息</translation>
    </message>
    <message>
        <source>Dash Delivery</source>
        <translation>Dash Delivery</translation>
    </message>
    <message>
        <source>Food delivery</source>
        <translation>フードデリバリー</translation>
    </message>
    <message>
        <source>Gadget World</source>
        <translation>Gadget World</translation>
    </message>
    <message>
        <source>Phone case</source>
        <translation>スマホケース</translation>
    </message>
    <message>
        <source>Shopping</source>
        <translation>買い物</translation>
    </message>
    <message>
        <source>Electronics</source>
        <translation>電子機器</translation>
    </message>
    <message>
        <source>CloudWatch Plus</source>
        <translation>CloudWatch Plus</translation>
    </message>
    <message>
        <source>Cloud storage plan</source>
        <translation>クラウドストレージのプラン</translation>
    </message>
    <message>
        <source>Subscriptions</source>
        <translation>定期購読</translation>
    </message>
    <message>
        <source>Payment - Thank You</source>
        <translation>Payment - Thank You</translation>
    </message>
    <message>
        <source>Credit card payment</source>
        <translation>クレジットカードの支払い</translation>
    </message>
    <message>
        <source>Stellar Coffee</source>
        <translation>Stellar Coffee</translation>
    </message>
    <message>
        <source>Coffee beans</source>
        <translation>コーヒー豆</translation>
    </message>
    <message>
        <source>BookNest Online</source>
        <translation>BookNest Online</translation>
    </message>
    <message>
        <source>Programming books</source>
        <translation>プログラミングの本</translation>
    </message>
    <message>
        <source>Education Expenses</source>
        <translation>教育費</translation>
    </message>
    <message>
        <source>TechVault</source>
        <translation>TechVault</translation>
    </message>
    <message>
        <source>USB hub</source>
        <translation>USBハブ</translation>
    </message>
    <message>
        <source>Monthly rent</source>
        <translation>毎月の家賃</translation>
    </message>
</context>
<context>
    <name>SearchExport</name>
    <message>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>口座</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>支払先</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>カテゴリ</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>メモ</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>金額</translation>
    </message>
</context>
<context>
    <name>SearchScreen</name>
    <message>
        <source>The transactions could not be read.</source>
        <translation>取引を読み込めませんでした。</translation>
    </message>
    <message>
        <source>Search payee, memo, check number...</source>
        <translation>支払先、メモ、小切手番号を検索...</translation>
    </message>
    <message>
        <source>Date range:</source>
        <translation>日付の範囲:</translation>
    </message>
    <message>
        <source>Cleared only</source>
        <translation>決済済みのみ</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>口座:</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>カテゴリ:</translation>
    </message>
    <message>
        <source>to</source>
        <translation>～</translation>
    </message>
    <message>
        <source>All Accounts</source>
        <translation>すべての口座</translation>
    </message>
    <message>
        <source>All Categories</source>
        <translation>すべてのカテゴリ</translation>
    </message>
</context>
<context>
    <name>SettingsScreen</name>
    <message>
        <source>General</source>
        <translation>全般</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>取引記録</translation>
    </message>
    <message>
        <source>Data &amp; Sync</source>
        <translation>データと同期</translation>
    </message>
    <message>
        <source>About</source>
        <translation>情報</translation>
    </message>
    <message numerus="yes">
        <source>…and %n more.</source>
        <translation>
            <numerusform>…ほか %n 件。</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing was restored; your data is as it was.</source>
        <translation>何も復元されませんでした。データは元のままです。</translation>
    </message>
    <message>
        <source>Language Changed</source>
        <translation>言語を変更しました</translation>
    </message>
    <message>
        <source>The new language will take effect the next time you start Kestrelwood Checkbook.</source>
        <translation>新しい言語は次回 Kestrelwood Checkbook を起動したときに反映されます。</translation>
    </message>
    <message>
        <source>Export Backup</source>
        <translation>バックアップを書き出す</translation>
    </message>
    <message>
        <source>ZIP Files (*.zip)</source>
        <translation>ZIP ファイル (*.zip)</translation>
    </message>
    <message>
        <source>Exporting...</source>
        <translation>書き出し中...</translation>
    </message>
    <message>
        <source>Import Backup</source>
        <translation>バックアップを読み込む</translation>
    </message>
    <message>
        <source>Import Mode</source>
        <translation>読み込み方法</translation>
    </message>
    <message>
        <source>How should existing data be handled?</source>
        <translation>既存のデータをどう扱いますか?</translation>
    </message>
    <message>
        <source>Importing...</source>
        <translation>インポートしています...</translation>
    </message>
    <message>
        <source>Restore Failed</source>
        <translation>復元に失敗しました</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>外観</translation>
    </message>
    <message>
        <source>Control how Kestrelwood Checkbook looks.</source>
        <translation>Kestrelwood Checkbook の見た目を設定します。</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>システムの既定</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>ライト</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>ダーク</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>テーマ</translation>
    </message>
    <message>
        <source>Regional</source>
        <translation>地域</translation>
    </message>
    <message>
        <source>Date and calendar preferences.</source>
        <translation>日付とカレンダーの設定です。</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>日曜日</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>月曜日</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>土曜日</translation>
    </message>
    <message>
        <source>Week starts on</source>
        <translation>週の始まり</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>表示</translation>
    </message>
    <message>
        <source>How transactions appear in the register.</source>
        <translation>記録簿での取引の表示方法です。</translation>
    </message>
    <message>
        <source>Two-line rows</source>
        <translation>2 行表示</translation>
    </message>
    <message>
        <source>Show memo on a second line below the payee.</source>
        <translation>メモを支払先の下の 2 行目に表示します。</translation>
    </message>
    <message>
        <source>Sorting</source>
        <translation>並べ替え</translation>
    </message>
    <message>
        <source>Control the order of transactions in the register.</source>
        <translation>記録簿での取引の並び順を設定します。</translation>
    </message>
    <message>
        <source>Show newest transactions first</source>
        <translation>新しい取引を先に表示</translation>
    </message>
    <message>
        <source>When enabled, the most recent transactions appear at the top.</source>
        <translation>オンにすると、最新の取引が上に表示されます。</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>環境設定</translation>
    </message>
    <message>
        <source>The setting could not be saved. It applies until the program closes, and the data file may be full or read-only.</source>
        <translation>設定を保存できませんでした。プログラムを終了するまでは有効です。ディスクがいっぱいか、データファイルが読み取り専用の可能性があります。</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>同期</translation>
    </message>
    <message>
        <source>Keep your checkbook in sync across all your devices.</source>
        <translation>すべてのデバイスで小切手帳を同期します。</translation>
    </message>
    <message>
        <source>Sync Now</source>
        <translation>今すぐ同期</translation>
    </message>
    <message>
        <source>Force Full Sync</source>
        <translation>完全同期を実行</translation>
    </message>
    <message>
        <source>Backup &amp; Restore</source>
        <translation>バックアップと復元</translation>
    </message>
    <message>
        <source>Save or restore your data to a portable backup file.</source>
        <translation>データを持ち運べるバックアップファイルに保存、またはそこから復元します。</translation>
    </message>
    <message>
        <source>Deleted Accounts</source>
        <translation>削除した口座</translation>
    </message>
    <message>
        <source>Accounts you&apos;ve deleted can be restored here.</source>
        <translation>削除した口座をここで復元できます。</translation>
    </message>
    <message>
        <source>Restore Selected</source>
        <translation>選択した口座を復元</translation>
    </message>
    <message>
        <source>Kestrelwood Checkbook</source>
        <translation>Kestrelwood Checkbook</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>リンク</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>ウェブサイト</translation>
    </message>
    <message>
        <source>Help and user guide</source>
        <translation>ヘルプとユーザーガイド</translation>
    </message>
    <message>
        <source>Privacy policy</source>
        <translation>プライバシーポリシー</translation>
    </message>
    <message>
        <source>Not signed in.
Sign in via File › Sign In to enable sync.</source>
        <translation>サインインしていません。
同期を有効にするには、ファイル › サインイン からサインインしてください。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Signed in as:&lt;/b&gt; %1&lt;br&gt;&lt;b&gt;Status:&lt;/b&gt; &lt;span style=&quot;color:%2&quot;&gt;%3&lt;/span&gt;</source>
        <translation>&lt;b&gt;サインイン中:&lt;/b&gt; %1&lt;br&gt;&lt;b&gt;状態:&lt;/b&gt; &lt;span style=&quot;color:%2&quot;&gt;%3&lt;/span&gt;</translation>
    </message>
    <message>
        <source>Sync paused</source>
        <translation>同期を一時停止中</translation>
    </message>
    <message>
        <source>Never synced</source>
        <translation>未同期</translation>
    </message>
    <message>
        <source>Last synced: %1</source>
        <translation>最終同期: %1</translation>
    </message>
    <message>
        <source>
Error: %1</source>
        <translation>
エラー: %1</translation>
    </message>
    <message>
        <source>This will re-upload every local row to the server and re-download all server data. Use this if data appears out of sync between devices.

Continue?</source>
        <translation>すべてのローカルの行をサーバーに再アップロードし、サーバーのデータをすべて再ダウンロードします。デバイス間でデータが一致していないように見える場合に使用してください。

続行しますか?</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>同期中...</translation>
    </message>
</context>
<context>
    <name>SmartAmountField</name>
    <message>
        <source>Amounts can be at most %1.</source>
        <translation>金額は最大 %1 までです。</translation>
    </message>
</context>
<context>
    <name>SmartDateEdit</name>
    <message>
        <source>Open calendar (F4)</source>
        <translation>カレンダーを開く (F4)</translation>
    </message>
</context>
<context>
    <name>StatusBar</name>
    <message>
        <source>Offline</source>
        <translation>オフライン</translation>
    </message>
    <message numerus="yes">
        <source>%n account(s)</source>
        <translation>
            <numerusform>%n 件の口座</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>  •  %n recurring due</source>
        <translation>
            <numerusform>  •  定期取引 %n 件が期日</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SyncEngine</name>
    <message>
        <source>Synced</source>
        <translation>同期済み</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>同期中...</translation>
    </message>
    <message>
        <source>Sync error</source>
        <translation>同期エラー</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>オフライン</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>不明</translation>
    </message>
    <message>
        <source>Push failed (HTTP %1)</source>
        <translation>アップロードに失敗しました (HTTP %1)</translation>
    </message>
    <message>
        <source>Pull failed (HTTP %1)</source>
        <translation>ダウンロードに失敗しました (HTTP %1)</translation>
    </message>
    <message>
        <source>The downloaded changes could not be stored; they are downloaded again at the next sync.</source>
        <translation>ダウンロードした変更を保存できませんでした。次回の同期で再度ダウンロードされます。</translation>
    </message>
    <message>
        <source>The uploaded changes could not be marked as sent; they are sent again at the next sync.</source>
        <translation>アップロードした変更を送信済みにできませんでした。次回の同期で再送信されます。</translation>
    </message>
</context>
<context>
    <name>TransactionFormDialog</name>
    <message>
        <source>Edit Transaction</source>
        <translation>取引の編集</translation>
    </message>
    <message>
        <source>New Transaction</source>
        <translation>新しい取引</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>種類:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>日付:</translation>
    </message>
    <message>
        <source>Payee:</source>
        <translation>支払先:</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>金額:</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>カテゴリ:</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>任意</translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation>メモ:</translation>
    </message>
    <message>
        <source>Check #:</source>
        <translation>小切手番号:</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>決済済み</translation>
    </message>
    <message>
        <source>Payee is required</source>
        <translation>支払先を入力してください</translation>
    </message>
    <message>
        <source>Enter a payment or deposit amount</source>
        <translation>支払いまたは入金の金額を入力してください</translation>
    </message>
    <message>
        <source>Enter a valid date, such as %1</source>
        <translation>有効な日付を入力してください（例: %1）</translation>
    </message>
</context>
<context>
    <name>TransactionService</name>
    <message>
        <source>The account no longer exists.</source>
        <translation>口座はもう存在しません。</translation>
    </message>
    <message>
        <source>This transaction was changed elsewhere after you started editing it.</source>
        <translation>この取引は、編集を始めた後に別の場所で変更されました。</translation>
    </message>
    <message>
        <source>This transaction was deleted elsewhere after you started editing it.</source>
        <translation>この取引は、編集を始めた後に別の場所で削除されました。</translation>
    </message>
    <message>
        <source>Transfer to %1</source>
        <translation>Transfer to %1</translation>
    </message>
    <message>
        <source>This transaction was deleted elsewhere.</source>
        <translation>この取引は別の場所で削除されました。</translation>
    </message>
    <message>
        <source>Transfer account not found</source>
        <translation>振替先の口座が見つかりません</translation>
    </message>
    <message>
        <source>Transfers require both accounts to use the same currency</source>
        <translation>振替には両方の口座が同じ通貨である必要があります</translation>
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
        <translation>サインアウト</translation>
    </message>
    <message>
        <source>Already have an account? Sign In</source>
        <translation>アカウントをお持ちですか？サインイン</translation>
    </message>
    <message>
        <source>Multi-Device Sync</source>
        <translation>複数デバイスの同期</translation>
    </message>
    <message>
        <source>Keep your checkbook in sync between your phone, tablet, and computer.</source>
        <translation>スマートフォン、タブレット、パソコンの間で小切手帳を同期します。</translation>
    </message>
    <message>
        <source>Family Sharing</source>
        <translation>ファミリー共有</translation>
    </message>
    <message>
        <source>Share accounts with family members. Everyone sees the same register in real time.</source>
        <translation>家族と口座を共有できます。全員がリアルタイムで同じ記録を見られます。</translation>
    </message>
    <message>
        <source>Secure &amp; Private</source>
        <translation>安全でプライベート</translation>
    </message>
    <message>
        <source>Your data is encrypted in transit and at rest. We never sell your data or show ads.</source>
        <translation>データは通信中も保存時も暗号化されます。データを販売したり広告を表示したりすることはありません。</translation>
    </message>
    <message>
        <source>Kestrelwood Checkbook</source>
        <translation>Kestrelwood Checkbook</translation>
    </message>
    <message>
        <source>Your finances, everywhere.</source>
        <translation>あなたの家計を、どこでも。</translation>
    </message>
    <message>
        <source>Opens in your web browser</source>
        <translation>ウェブブラウザーで開きます</translation>
    </message>
    <message>
        <source>Continue Without an Account</source>
        <translation>アカウントなしで続ける</translation>
    </message>
</context>
</TS>
