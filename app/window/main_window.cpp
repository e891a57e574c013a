#include "app/window/main_window.h"

#include "app/banner/banner_strip.h"
#include "app/pages/about_page.h"
#include "app/pages/acceptance_fee_page.h"
#include "app/pages/application_fee_page.h"
#include "app/pages/damages_page.h"
#include "app/pages/deadline_page.h"
#include "app/pages/interest_in_force_page.h"
#include "app/pages/interest_page.h"
#include "app/pages/reference_page.h"
#include "app/services/site_address.h"
#include "app/widgets/screen_fit.h"
#include "app/window/status_bar.h"
#include "app/window/window_styles.h"
#include "ui_main_window.h"

#include <QCloseEvent>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

// The pictures and texts live in the static app library, whose resource
// initialiser the linker would otherwise drop.
static void InitResources()
{
    Q_INIT_RESOURCE(resources);
}

namespace pellumo {

TForm1::TForm1(const WindowServices &services, QWidget *parent)
    : QWidget(parent), m_services(services), m_settingsFiles(services.programFolder),
      m_errors(services.messageBoxes, this), m_ui(std::make_unique<Ui::MainWindow>())
{
    InitResources();
    m_pageServices.messageBoxes = m_services.messageBoxes;
    m_pageServices.shellLauncher = m_services.shellLauncher;
    m_pageServices.downloader = m_services.downloader;
    m_pageServices.fileDialogs = m_services.fileDialogs;
    m_pageServices.settingsFiles = &m_settingsFiles;
    m_pageServices.errors = &m_errors;
    m_pageServices.updateServerAddress = m_services.updateServerAddress;

    // Top to bottom: the banner strip, the tab control, the status bar.
    m_bannerStrip = new BannerStrip(
        m_pageServices, {m_services.loadBanner, m_services.bannerAddress, m_services.bannerModulePath}, this);
    m_pageServices.clipboard = m_bannerStrip;
    {
        const StylesWhileBuilding styles;
        m_ui->setupUi(this);
    }
    m_statusBar = new StatusBar(m_pageServices, this);
    m_statusBar->move(0, m_ui->PageControl1->geometry().bottom() + 1);
    setWindowTitle(QStringLiteral("PellumoV6.2  ----") + SiteAddress());
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(467, 397);
    PlaceWithinScreen(this, QPoint(256, 154));

    m_acceptanceFeePage = hostPage<AcceptanceFeePage>(QStringLiteral("TabSheet1"), QStringLiteral("受理费"), Built::AtStart);
    hostPage<ApplicationFeePage>(QStringLiteral("TabSheet5"), QStringLiteral("申请费"), Built::AtStart);
    hostPage<InterestPage>(QStringLiteral("TabSheet4"), QStringLiteral("迟延利息"), Built::AfterFirstPaint);
    hostPage<InterestInForcePage>(QStringLiteral("TabSheet9"), QStringLiteral("分段计息"), Built::AfterFirstPaint);
    hostPage<DamagesPage>(QStringLiteral("TabSheet6"), QStringLiteral("违约金"), Built::AfterFirstPaint);
    hostPage<DeadlinePage>(QStringLiteral("TabSheet2"), QStringLiteral("日期计算"), Built::AfterFirstPaint);
    hostPage<ReferencePage>(QStringLiteral("TabSheet8"), QStringLiteral("新办法"), Built::AfterFirstPaint);
    hostPage<AboutPage>(QStringLiteral("TabSheet3"), QStringLiteral("关于"), Built::AfterFirstPaint);
    FitTabsToWidth(m_ui->PageControl1);
    connect(m_ui->PageControl1, &QTabWidget::currentChanged, this, &TForm1::buildHiddenPages);

    FormCreate();
}

// The banner strip and its browser go first: the browser reports its load
// events through the error display and services below, which would
// otherwise be destroyed before it, while a page was still loading.
TForm1::~TForm1()
{
    delete std::exchange(m_bannerStrip, nullptr);
}

template <typename PageClass>
PageClass *TForm1::hostPage(const QString &sheetName, const QString &caption, Built when)
{
    return static_cast<PageClass *>(hostPage(sheetName, caption, when, [this](QWidget *sheet) {
        return new PageClass(m_pageServices, sheet);
    }));
}

QWidget *TForm1::hostPage(const QString &sheetName, const QString &caption, Built when,
                          std::function<QWidget *(QWidget *sheet)> build)
{
    auto *sheet = new QWidget;
    sheet->setObjectName(sheetName);
    m_ui->PageControl1->addTab(sheet, caption);
    const HostedPage hosted{sheet, std::move(build)};
    if (when == Built::AtStart)
        return buildOnSheet(hosted);
    m_hiddenPages.append(hosted);
    return nullptr;
}

QWidget *TForm1::buildOnSheet(const HostedPage &hosted)
{
    auto *layout = new QVBoxLayout(hosted.sheet);
    layout->setContentsMargins(0, 0, 0, 0);
    QWidget *page = hosted.build(hosted.sheet);
    layout->addWidget(page);
    // A page built on a sheet that is already on screen shows at once.
    page->show();
    return page;
}

// Half of the window's construction, which need not delay its first paint.
void TForm1::buildHiddenPages()
{
    for (const HostedPage &hosted : std::exchange(m_hiddenPages, {}))
        buildOnSheet(hosted);
}

TForm2 *TForm1::baseAmountDialog() const
{
    return m_acceptanceFeePage->baseAmountDialog();
}

QWidget *TForm1::webBrowser() const
{
    return m_bannerStrip->webBrowser();
}

void TForm1::ShowDefaultError(const QString &message)
{
    m_errors.show(message);
}

bool TForm1::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate && !m_activated) {
        m_activated = true;
        m_errors.guarded([this] { FormActivate(); });
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
            buildHiddenPages();
            if (m_services.loadBanner)
                m_errors.guarded([this] { m_bannerStrip->createWebBrowser(); });
        });
    }
}

void TForm1::closeEvent(QCloseEvent *event)
{
    m_errors.guarded([this] { FormClose(); });
    event->accept();
}

// The end of construction: the banner page is wanted; it starts loading once
// the browser exists, after the first paint.
void TForm1::FormCreate()
{
    m_bannerStrip->requestBannerPage();
}

// First activation only.
void TForm1::FormActivate()
{
    m_acceptanceFeePage->showAtFirstActivation();
}

// The window closes without a question and saves nothing; the rate table of
// the interest page, which reads set.rar anew at every calculation, goes
// with its page.
void TForm1::FormClose() {}

} // namespace pellumo
