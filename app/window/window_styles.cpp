#include "app/window/window_styles.h"

#include <QApplication>
#include <QDynamicPropertyChangeEvent>
#include <QFont>
#include <QPalette>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QTabBar>
#include <QTabWidget>
#include <QVariant>
#include <QWidget>

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

class CompactTabStyle : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;

    int pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const override
    {
        if (metric == PM_TabBarTabHSpace)
            return 14;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

} // namespace

void UseCompactTabs(QTabWidget *tabs)
{
    auto *style = new CompactTabStyle(QStyleFactory::create(QApplication::style()->name()));
    style->setParent(tabs);
    tabs->tabBar()->setStyle(style);
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
