#pragma once

#include <QCompleter>

class QAbstractItemModel;

// A popup completer for register cells. Tab or Shift+Tab while its list is
// open takes the highlighted entry (as a choice, emitting activated) and
// moves on: to the memo field inside the two-line payee/memo editor,
// otherwise to the next or previous register cell.
class TabCompleter : public QCompleter
{
    Q_OBJECT

public:
    explicit TabCompleter(QAbstractItemModel* model, QObject* parent = nullptr);
    explicit TabCompleter(const QStringList& entries, QObject* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void configure();
    void acceptHighlighted();
    void moveOn(bool backward);
};
