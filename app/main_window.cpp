#include "app/main_window.h"

#include "app/banner_browser.h"
#include "app/base_amount_dialog.h"
#include "app/handler_failure.h"
#include "app/message_boxes.h"
#include "app/site_address.h"
#include "app/window_styles.h"
#include "fees/base_amounts.h"
#include "interest/rate_table.h"
#include "ui_about_page.h"
#include "ui_acceptance_fee_page.h"
#include "ui_application_fee_page.h"
#include "ui_damages_page.h"
#include "ui_deadline_page.h"
#include "ui_interest_page.h"
#include "ui_main_window.h"
#include "ui_reference_page.h"
#include "ui_status_bar.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLineEdit>
#include <QTabWidget>
#include <QTimer>

// The pictures and texts live in the static app library, whose resource
// initialiser the linker would otherwise drop.
static void InitResources()
{
    Q_INIT_RESOURCE(resources);
}

namespace pellumo {

QString ErrorDisplayText(const QString &message)
{
    if (!message.isEmpty() && message.back() > QLatin1Char('.'))
        return message + QLatin1Char('.');
    return message;
}

TForm1::TForm1(const WindowServices &services, QWidget *parent)
    : QWidget(parent), m_services(services), m_ui(std::make_unique<Ui::MainWindow>())
{
    InitResources();
    const StylesWhileBuilding styles;  // every setupUi below applies the window's fonts and colours
    m_ui->setupUi(this);
    setWindowTitle(QStringLiteral("PellumoV6.2  ----") + SiteAddress());
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(467, 397);
    move(256, 154);

    // The two fee pages and the frame are built now; the pages behind the
    // other tabs once the window is on screen (setUpHiddenPages).
    setUpFeePages();
    setUpStatusBar();
    setUpBanner();
    connect(m_ui->PageControl1, &QTabWidget::currentChanged, this, &TForm1::setUpHiddenPages);

    m_rateTable = std::make_unique<RateTable>(settingsFilePath(QString::fromLatin1(RateTableFileName)));
    m_baseAmountDialog = new TForm2(settingsFilePath(QString::fromLatin1(BaseAmountsFileName)),
                                    m_services.messageBoxes, this);
    connect(m_baseAmountDialog, &TForm2::baseAmountsSaved, this, &TForm1::ShowBaseAmounts);
    FormCreate();
}

TForm1::~TForm1() = default;

QString TForm1::settingsFilePath(const QString &fileName) const
{
    return m_services.programFolder + fileName;
}

void TForm1::ShowDefaultError(const QString &message)
{
    QWidget *owner = QApplication::activeModalWidget() ? QApplication::activeModalWidget() : this;
    m_services.messageBoxes->show(owner, ErrorDisplayText(message), QStringLiteral("Pellumo"),
                                  MessageBoxes::Icon::Error, MessageBoxes::Buttons::Ok);
}

void TForm1::guarded(const std::function<void()> &handler)
{
    try {
        handler();
    } catch (const HandlerFailure &failure) {
        ShowDefaultError(failure.message());
    } catch (const std::exception &failure) {
        ShowDefaultError(QString::fromLocal8Bit(failure.what()));
    }
}

bool TForm1::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate && !m_activated) {
        m_activated = true;
        guarded([this] { FormActivate(); });
    }
    return QWidget::event(event);
}

void TForm1::paintEvent(QPaintEvent *event)
{
    QWidget::paintEvent(event);
    if (!m_painted) {
        m_painted = true;
        // What the first look does not need waits until the window is on
        // screen: the hidden pages, then the heavy browser.
        QTimer::singleShot(0, this, [this] {
            setUpHiddenPages();
            if (m_services.loadBanner)
                guarded([this] { createWebBrowser(); });
        });
    }
}

// The interest, damages, date, reference and about pages: half of the
// window's construction, which need not delay its first paint. Built right
// after it, or at once when one of their tabs is chosen before then.
void TForm1::setUpHiddenPages()
{
    if (m_hiddenPagesBuilt)
        return;
    m_hiddenPagesBuilt = true;
    const StylesWhileBuilding styles;
    setUpInterestPages();
    setUpDeadlinePage();
    setUpFixedPages();
    // Children added to a page that is already on screen stay hidden until
    // shown; those the .ui hides itself (Memo2, the hidden buttons) stay so.
    for (QWidget *page : {m_ui->TabSheet4, m_ui->TabSheet6, m_ui->TabSheet2, m_ui->TabSheet8, m_ui->TabSheet3}) {
        if (!page->isVisible())
            continue;
        for (QWidget *child : page->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            if (!child->testAttribute(Qt::WA_WState_ExplicitShowHide))
                child->show();
        }
    }
}

void TForm1::closeEvent(QCloseEvent *event)
{
    guarded([this] { FormClose(); });
    event->accept();
}

// First activation only: the focus goes to the acceptance-fee amount and the
// base-amount caption is read from setjs.rar.
void TForm1::FormActivate()
{
    findChild<QLineEdit *>(QStringLiteral("edtBd"))->setFocus();
    const BaseAmounts amounts = ReadBaseAmounts(settingsFilePath(QString::fromLatin1(BaseAmountsFileName)));
    ShowBaseAmounts(QString::number(amounts.divorce), QString::number(amounts.personalityRights));
}

void TForm1::FormClose()
{
    m_rateTable.reset();
}

} // namespace pellumo
