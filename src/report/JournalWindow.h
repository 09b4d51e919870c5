#pragma once

// The window of the teacher's journal "Журнал Зорбикса": three sortable
// tables (runs, pupils, questions), the per-question bar chart, the
// filters (dates, a part of the surname, a question), the problems met in
// the files, and opening, CSV, an OpenDocument spreadsheet, printing and PDF.

#include "report/Journal.h"
#include "report/LogFollower.h"
#include "report/Summary.h"

#include <QMainWindow>
#include <QTimer>

#include <memory>

class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPrinter;
class QSortFilterProxyModel;
class QTabWidget;
class QTableView;
class QVBoxLayout;

namespace zorbiks::report {

class BarChart;
class JournalTableModel;
class NowTab;

class JournalWindow final : public QMainWindow {
    Q_OBJECT
public:
    // `clock` tells the "Сейчас" tab the time.
    explicit JournalWindow(QWidget *parent = nullptr, const Clock &clock = systemClock());
    ~JournalWindow() override;

    // Reads these files and folders instead of the ones shown.
    void openPaths(const QStringList &paths);
    const QStringList &paths() const { return paths_; }
    bool saveCsv(const QString &path);
    // An OpenDocument spreadsheet of the three tables as filtered.
    bool saveOds(const QString &path);
    bool savePdf(const QString &path);

    const Journal &journal() const { return journal_; }
    Filter filter() const;

private:
    void buildButtons(QVBoxLayout *layout);
    void buildFilterBar(QVBoxLayout *layout);
    void buildTables(QVBoxLayout *layout);
    QWidget *withChart(QTableView *questions);
    void fitQuestions(QTableView *questions);
    void buildStatus(QVBoxLayout *layout);
    void connectFilters();

    void chooseFiles();
    void chooseFolder();
    // Asks where to save and saves there; says so when it could not.
    void chooseAndSave(const QString &title, const QString &name, const QString &filter,
                       bool (JournalWindow::*save)(const QString &));
    void chooseCsv();
    void chooseOds();
    void choosePdf();
    void print();
    bool render(QPrinter &printer);
    void refresh();
    QTableView *makeTable(JournalTableModel *model, QSortFilterProxyModel *proxy,
                          const QString &name);

    Journal journal_;
    Summary summary_;
    Tables tables_{journal_, summary_};
    QStringList paths_;

    QDateEdit *from_ = nullptr;
    QDateEdit *to_ = nullptr;
    QLineEdit *surname_ = nullptr;
    QComboBox *question_ = nullptr;
    JournalTableModel *models_[Tables::kindCount] = {};
    QSortFilterProxyModel *proxies_[Tables::kindCount] = {};
    BarChart *chart_ = nullptr;
    QTabWidget *tabs_ = nullptr;
    QWidget *pages_[Tables::kindCount] = {};
    NowTab *now_ = nullptr;
    QTimer typingPause_;
    bool sized_ = false; // the columns fitted to the first runs shown
    QLabel *status_ = nullptr;
    QPlainTextEdit *problems_ = nullptr;
};

} // namespace zorbiks::report
