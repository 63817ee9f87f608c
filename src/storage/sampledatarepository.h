#pragma once

#include <QObject>

class Database;

// The statements that find and remove the demonstration rows. Every sample
// row has an id starting with "sample-", so the prefix alone tells them from
// the user's own rows, across every table.
class SampleDataRepository : public QObject
{
    Q_OBJECT

public:
    explicit SampleDataRepository(Database* database, QObject* parent = nullptr);

    // Whether any sample account is stored, deleted or not.
    bool hasSampleData();
    // Rows of the user's own (any id without the prefix, deleted or not)
    // kept in a sample account or transferring to one: removing the sample
    // accounts would take them along or leave them pointing nowhere. -1 when
    // they could not be counted.
    int userRowsTiedToSampleAccounts();
    // Deletes every sample row outright, children before their parents, and
    // the sync queue entries naming them.
    [[nodiscard]] bool deleteSampleRows();

private:
    Database* m_database;
};
