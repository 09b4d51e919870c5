#include "report/JournalWindow.h"

#include "report/JournalWidgets.h"
#include "report/NowTab.h"
#include "report/OdsWriter.h"
#include "report/ReportWriter.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSaveFile>
#include <QSortFilterProxyModel>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QTextDocument>
#include <QUrl>
#include <QVBoxLayout>

namespace zorbiks::report {

namespace {

// Writes the whole file or leaves what stood there before.
bool saveBytes(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(bytes);
    return file.commit();
}

} // namespace

JournalWindow::JournalWindow(QWidget *parent, const Clock &clock)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("Журнал"));
    setWindowTitle(QStringLiteral("Журнал Зорбикса"));
    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    buildButtons(layout);
    buildFilterBar(layout);
    buildTables(layout);
    tabs_->addTab(now_ = new NowTab(clock), NowTab::title());
    buildStatus(layout);
    setCentralWidget(central);
    connectFilters();
    resize(1000, 680);
    refresh();
}

JournalWindow::~JournalWindow() = default;

// Opening, CSV, printing and PDF, in a row above the filters.
void JournalWindow::buildButtons(QVBoxLayout *layout)
{
    struct Action {
        const char16_t *name;
        const char16_t *caption;
        void (JournalWindow::*slot)();
    };
    static constexpr Action actions[] = {
        {u"Открыть", u"Открыть…", &JournalWindow::chooseFiles},
        {u"ОткрытьПапку", u"Открыть папку…", &JournalWindow::chooseFolder},
        {u"СохранитьCSV", u"Сохранить как CSV…", &JournalWindow::chooseCsv},
        {u"СохранитьТаблицу", u"Сохранить как таблицу…", &JournalWindow::chooseOds},
        {u"Печать", u"Печать…", &JournalWindow::print},
        {u"СохранитьPDF", u"Сохранить как PDF…", &JournalWindow::choosePdf},
    };
    auto *row = new QHBoxLayout;
    for (const Action &action : actions) {
        auto *b = new QPushButton(QString::fromUtf16(action.caption), layout->parentWidget());
        b->setObjectName(QString::fromUtf16(action.name));
        connect(b, &QPushButton::clicked, this, action.slot);
        row->addWidget(b);
    }
    row->addStretch();
    layout->addLayout(row);
}

// The dates, a part of the surname and a question.
void JournalWindow::buildFilterBar(QVBoxLayout *layout)
{
    QWidget *central = layout->parentWidget();
    from_ = dateBox(QStringLiteral("С"), central);
    to_ = dateBox(QStringLiteral("По"), central);
    surname_ = new QLineEdit(central);
    surname_->setObjectName(QStringLiteral("Фамилия"));
    surname_->setPlaceholderText(QStringLiteral("фамилия или её часть"));
    surname_->setClearButtonEnabled(true);
    question_ = new QComboBox(central);
    question_->setObjectName(QStringLiteral("Вопрос"));
    question_->addItem(QStringLiteral("все вопросы"), -1);
    for (int q = 0; q < LogFormat::questionCount; ++q)
        question_->addItem(LogFormat::questionCodes()[q], q);
    auto *filters = new QHBoxLayout;
    filters->addWidget(new QLabel(QStringLiteral("Даты: с"), central));
    filters->addWidget(from_);
    filters->addWidget(new QLabel(QStringLiteral("по"), central));
    filters->addWidget(to_);
    filters->addWidget(new QLabel(QStringLiteral("Ученик:"), central));
    filters->addWidget(surname_, 1);
    filters->addWidget(new QLabel(QStringLiteral("Вопрос:"), central));
    filters->addWidget(question_);
    layout->addLayout(filters);
}

// One tab per table; the questions share theirs with the chart.
void JournalWindow::buildTables(QVBoxLayout *layout)
{
    tabs_ = new QTabWidget(layout->parentWidget());
    tabs_->setObjectName(QStringLiteral("Таблицы"));
    for (int k = 0; k < Tables::kindCount; ++k) {
        const auto kind = static_cast<Tables::Kind>(k);
        models_[k] = new JournalTableModel(tables_, kind, this);
        proxies_[k] = new JournalSortProxy(tables_, kind, this);
        QTableView *view = makeTable(models_[k], proxies_[k], Tables::title(kind));
        pages_[k] = kind == Tables::Questions ? withChart(view) : view;
        tabs_->addTab(pages_[k], Tables::title(kind));
    }
    layout->addWidget(tabs_, 1);
}

QWidget *JournalWindow::withChart(QTableView *questions)
{
    auto *split = new QSplitter(Qt::Horizontal, tabs_);
    split->addWidget(questions);
    chart_ = new BarChart(split);
    split->addWidget(chart_);
    // The table as wide as its columns, so that it needs no horizontal
    // scroll bar; the chart takes the rest of the width.
    questions->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    questions->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    questions->resizeColumnsToContents();
    split->setStretchFactor(0, 0);
    split->setStretchFactor(1, 1);
    return split;
}

// After the columns of the questions' table have changed width.
void JournalWindow::fitQuestions(QTableView *questions)
{
    auto *split = static_cast<QSplitter *>(questions->parentWidget());
    const int width = questions->sizeHint().width();
    if (split->isVisible())
        split->setSizes({width, split->width() - split->handleWidth() - width});
}

// The figures of what is shown, the colours' legend and the problems met
// in the files.
void JournalWindow::buildStatus(QVBoxLayout *layout)
{
    QWidget *central = layout->parentWidget();
    auto *legend = new QLabel(
        QStringLiteral("<span style=\"background:#ffe0e0\">&nbsp;&nbsp;&nbsp;&nbsp;</span> "
                       "вышел без экрана результатов &nbsp;&nbsp; "
                       "<span style=\"background:#ffffc0\">&nbsp;&nbsp;&nbsp;&nbsp;</span> "
                       "итог не сходится с отметками или повреждён"),
        central);
    status_ = new QLabel(central);
    status_->setObjectName(QStringLiteral("Итог"));
    status_->setWordWrap(true);
    legend->setWordWrap(true);
    layout->addWidget(status_);
    layout->addWidget(legend);
    problems_ = new QPlainTextEdit(central);
    problems_->setObjectName(QStringLiteral("Замечания"));
    problems_->setReadOnly(true);
    problems_->setMaximumHeight(80);
    problems_->setPlaceholderText(QStringLiteral("Замечаний к файлам нет"));
    layout->addWidget(problems_);
}

// A change of a filter sums the journal again.
void JournalWindow::connectFilters()
{
    connect(from_, &QDateEdit::dateChanged, this, &JournalWindow::refresh);
    connect(to_, &QDateEdit::dateChanged, this, &JournalWindow::refresh);
    // Typing waits for a pause, so that a journal of many runs is not
    // summed again at every letter.
    typingPause_.setSingleShot(true);
    typingPause_.setInterval(250);
    connect(&typingPause_, &QTimer::timeout, this, &JournalWindow::refresh);
    connect(surname_, &QLineEdit::textChanged, &typingPause_, qOverload<>(&QTimer::start));
    connect(question_, &QComboBox::currentIndexChanged, this, &JournalWindow::refresh);
}

QTableView *JournalWindow::makeTable(JournalTableModel *model, QSortFilterProxyModel *proxy,
                                     const QString &name)
{
    proxy->setSourceModel(model);
    proxy->setSortRole(Qt::UserRole);
    auto *view = new QTableView(this);
    view->setObjectName(name);
    view->setModel(proxy);
    view->setSortingEnabled(true);
    view->sortByColumn(0, Qt::AscendingOrder);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setAlternatingRowColors(true);
    view->verticalHeader()->setVisible(false);
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 6);
    view->horizontalHeader()->setStretchLastSection(true);
    view->setWordWrap(false);
    return view;
}

Filter JournalWindow::filter() const
{
    Filter f;
    if (from_->date() != noDateBound())
        f.from = from_->date();
    if (to_->date() != noDateBound())
        f.to = to_->date();
    f.pupil = surname_->text().simplified();
    f.question = question_->currentData().toInt();
    return f;
}

void JournalWindow::openPaths(const QStringList &paths)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    // The tables let go of the old journal before it goes.
    summary_ = Summary();
    for (JournalTableModel *model : models_)
        model->refresh();
    journal_ = Journal();
    paths_ = paths;
    for (const QString &path : paths)
        journal_.read(path);
    journal_.sortRuns();
    QApplication::restoreOverrideCursor();
    QStringList lines;
    for (const Problem &p : journal_.problems()) {
        const QString file = QFileInfo(p.file).fileName();
        lines << (p.line > 0 ? QStringLiteral("%1, строка %2: %3").arg(file).arg(p.line).arg(p.what)
                             : QStringLiteral("%1: %2").arg(file, p.what));
    }
    problems_->setPlainText(lines.join(QLatin1Char('\n')));
    if (paths.size() == 1)
        setWindowTitle(QStringLiteral("Журнал Зорбикса — ") + QFileInfo(paths.first()).fileName());
    else
        setWindowTitle(QStringLiteral("Журнал Зорбикса"));
    refresh();
    placeNowTab(tabs_, now_, paths);
}

void JournalWindow::refresh()
{
    typingPause_.stop();
    summary_ = summarise(journal_, filter());
    for (int k = 0; k < Tables::kindCount; ++k) {
        const auto kind = static_cast<Tables::Kind>(k);
        models_[k]->refresh();
        tabs_->setTabText(
            tabs_->indexOf(pages_[k]),
            QStringLiteral("%1 (%2)").arg(Tables::title(kind)).arg(tables_.rows(kind)));
    }
    if (!sized_ && !summary_.runs.empty()) {
        sized_ = true;
        for (QTableView *view : findChildren<QTableView *>())
            view->resizeColumnsToContents();
        fitQuestions(findChild<QTableView *>(Tables::title(Tables::Questions)));
    }
    chart_->setBars(chartBars(summary_));
    status_->setText(QStringLiteral("Файлов прочитано: %1. Работ: %2, из них %3: %4. "
                                    "Учеников: %5. Попыток: %6.")
                         .arg(journal_.filesRead())
                         .arg(summary_.runs.size())
                         .arg(unfinishedWords())
                         .arg(summary_.unfinished)
                         .arg(summary_.pupils.size())
                         .arg(summary_.all.attempts()));
}

bool JournalWindow::saveCsv(const QString &path)
{
    return saveBytes(path, csv(tables_));
}

bool JournalWindow::saveOds(const QString &path)
{
    return saveBytes(path, ods(tables_, describe(filter())));
}

bool JournalWindow::render(QPrinter &printer)
{
    QImage chart(1400, 560, QImage::Format_RGB32);
    {
        QPainter painter(&chart);
        QFont font = painter.font();
        font.setPixelSize(22);
        painter.setFont(font);
        paintChart(painter, chart.rect(), chartBars(summary_));
    }
    QTextDocument document;
    QFont font = document.defaultFont();
    font.setPointSize(8);
    document.setDefaultFont(font);
    document.addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("chart.png")), chart);
    document.setHtml(html(tables_, describe(filter()),
                          QStringLiteral("<p><img src=\"chart.png\" width=\"600\"></p>")));
    printer.setDocName(QStringLiteral("Журнал Зорбикса"));
    document.print(&printer);
    return printer.printerState() != QPrinter::Error;
}

bool JournalWindow::savePdf(const QString &path)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Landscape);
    return render(printer) && QFileInfo(path).size() > 0;
}

void JournalWindow::chooseFiles()
{
    const QStringList files =
        QFileDialog::getOpenFileNames(this, QStringLiteral("Открыть файлы результатов"), QString(),
                                      QStringLiteral("Файлы результатов (*.txt);;Все файлы (*)"));
    if (!files.isEmpty())
        openPaths(files);
}

void JournalWindow::chooseFolder()
{
    const QString folder = QFileDialog::getExistingDirectory(
        this, QStringLiteral("Открыть папку с файлами результатов"));
    if (!folder.isEmpty())
        openPaths({folder});
}

void JournalWindow::chooseAndSave(const QString &title, const QString &name, const QString &filter,
                                  bool (JournalWindow::*save)(const QString &))
{
    const QString path = QFileDialog::getSaveFileName(this, title, name, filter);
    if (!path.isEmpty() && !(this->*save)(path))
        QMessageBox::warning(this, windowTitle(),
                             QStringLiteral("Не удалось сохранить файл %1.").arg(path));
}

void JournalWindow::chooseCsv()
{
    chooseAndSave(QStringLiteral("Сохранить как CSV"), QStringLiteral("журнал.csv"),
                  QStringLiteral("Таблицы CSV (*.csv)"), &JournalWindow::saveCsv);
}

void JournalWindow::chooseOds()
{
    chooseAndSave(QStringLiteral("Сохранить как таблицу"), QStringLiteral("журнал.fods"),
                  QStringLiteral("Таблица OpenDocument (*.fods)"), &JournalWindow::saveOds);
}

void JournalWindow::choosePdf()
{
    chooseAndSave(QStringLiteral("Сохранить как PDF"), QStringLiteral("журнал.pdf"),
                  QStringLiteral("PDF (*.pdf)"), &JournalWindow::savePdf);
}

void JournalWindow::print()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape); // twelve columns of runs
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(QStringLiteral("Печать журнала"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (!render(printer))
        QMessageBox::warning(this, windowTitle(), QStringLiteral("Напечатать не удалось."));
}

} // namespace zorbiks::report
