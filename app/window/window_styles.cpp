#include "app/window/window_styles.h"

#include <QApplication>
#include <QDynamicPropertyChangeEvent>
#include <QFont>
#include <QFontInfo>
#include <QPalette>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QTabBar>
#include <QTabWidget>
#include <QVariant>
#include <QWidget>
#include <optional>

namespace pellumo {
namespace {

void ApplyPixelFont(QWidget *widget, const QString &description)
{
    const QStringList parts = description.split(QLatin1Char(','), Qt::SkipEmptyParts);
    if (parts.size() < 2)
        return;
    QFont font = widget->font();
    font.setFamily(parts[0].trimmed());
    font.setPixelSize(parts[1].trimmed().toInt());
    font.setBold(parts.contains(QStringLiteral("bold")));
    font.setUnderline(parts.contains(QStringLiteral("underline")));
    widget->setFont(font);
}

QColor NamedColour(const QString &name)
{
    if (name == QLatin1String("tooltip"))
        return QApplication::palette().color(QPalette::ToolTipBase);
    if (name == QLatin1String("buttonface"))
        return QApplication::palette().color(QPalette::Button);
    return QColor::fromString(name);
}

void ApplyStyles(QWidget *widget)
{
    const QVariant font = widget->property("pixelFont");
    if (font.isValid())
        ApplyPixelFont(widget, font.toString());
    const QVariant text = widget->property("textColor");
    if (text.isValid()) {
        QPalette palette = widget->palette();
        palette.setColor(QPalette::WindowText, NamedColour(text.toString()));
        palette.setColor(QPalette::ButtonText, NamedColour(text.toString()));
        palette.setColor(QPalette::Text, NamedColour(text.toString()));
        widget->setPalette(palette);
    }
    const QVariant background = widget->property("backgroundColor");
    if (background.isValid()) {
        QPalette palette = widget->palette();
        const QColor colour = NamedColour(background.toString());
        palette.setColor(QPalette::Window, colour);
        palette.setColor(QPalette::Base, colour);
        palette.setColor(QPalette::Button, colour);
        widget->setPalette(palette);
        widget->setAutoFillBackground(true);
    }
}

bool IsStyleProperty(const QByteArray &name)
{
    return name == "pixelFont" || name == "textColor" || name == "backgroundColor";
}

class StyleFilter : public QObject
{
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::DynamicPropertyChange && watched->isWidgetType() &&
            IsStyleProperty(static_cast<QDynamicPropertyChangeEvent *>(event)->propertyName()))
            ApplyStyles(static_cast<QWidget *>(watched));
        return false;
    }
};

// The space beside each caption, when FitTabsToWidth has chosen one.
class TabSpaceStyle : public QProxyStyle
{
public:
    explicit TabSpaceStyle(int space)
        : QProxyStyle(QStyleFactory::create(QApplication::style()->name())), m_space(space)
    {
    }

    int pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const override
    {
        if (metric == PM_TabBarTabHSpace && m_space >= 0)
            return m_space;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }

private:
    int m_space;
};

// Less than this beside a caption and the tabs read as one run of text.
constexpr int SmallestTabSpace = 6;
constexpr int SmallestTabFontPixels = 9;

// The row's width with `space` beside each caption (the style's own for -1).
int TabRowWidth(QTabBar *bar, int space)
{
    auto *style = new TabSpaceStyle(space);
    style->setParent(bar);
    QStyle *previous = bar->style();
    bar->setStyle(style);  // the bar lays its tabs out anew
    if (previous->parent() == bar)
        delete previous;
    return bar->sizeHint().width();
}

// The space that fits, or nothing when even the smallest is too much.
std::optional<int> FittingTabSpace(QTabBar *bar, int room)
{
    const int width = TabRowWidth(bar, -1);
    const int natural = bar->style()->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, bar);
    if (width <= room)
        return natural;
    // Each tab carries the space once, so the row narrows by the count for each pixel less.
    int space = natural - (width - room + bar->count() - 1) / bar->count();
    while (space >= SmallestTabSpace) {
        if (TabRowWidth(bar, space) <= room)
            return space;
        --space;
    }
    return std::nullopt;
}

} // namespace

void FitTabsToWidth(QTabWidget *tabs)
{
    QTabBar *bar = tabs->tabBar();
    if (bar->count() == 0)
        return;
    while (!FittingTabSpace(bar, tabs->width())) {
        const int pixels = QFontInfo(bar->font()).pixelSize();
        if (pixels <= SmallestTabFontPixels)
            return;
        QFont smaller = bar->font();
        smaller.setPixelSize(pixels - 1);
        bar->setFont(smaller);
    }
}

StylesWhileBuilding::StylesWhileBuilding() : m_filter(new StyleFilter)
{
    QCoreApplication::instance()->installEventFilter(m_filter);
}

StylesWhileBuilding::~StylesWhileBuilding()
{
    delete m_filter;  // removes itself from the application's filters
}

// Harmless on Windows, which has SimSun and SimHei: Qt tries a family's
// substitutes only when the family itself is missing.
void InstallFontSubstitutions()
{
    // AR PL UMing has the metrics of 宋体 (13 px line spacing at 13 px); Noto
    // Serif CJK is taller and would push memo lines out of their boxes.
    const QStringList song = {QStringLiteral("AR PL UMing CN"), QStringLiteral("Noto Serif CJK SC")};
    const QStringList hei = {QStringLiteral("Noto Sans CJK SC"), QStringLiteral("WenQuanYi Micro Hei")};
    QFont::insertSubstitutions(QStringLiteral("SimSun"), song);
    QFont::insertSubstitutions(QStringLiteral("宋体"), song);
    QFont::insertSubstitutions(QStringLiteral("SimHei"), hei);
    QFont::insertSubstitutions(QStringLiteral("黑体"), hei);
}

} // namespace pellumo
