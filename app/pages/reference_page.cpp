#include "app/pages/reference_page.h"

#include "app/window/window_styles.h"
#include "ui_reference_page.h"

#include <QFile>

namespace pellumo {
namespace {

QString ReferenceText()
{
    QFile file(QStringLiteral(":/texts/reference_text.txt"));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

} // namespace

ReferencePage::ReferencePage(const PageServices &services, QWidget *parent)
    : Page(services, parent), m_ui(std::make_unique<Ui::ReferencePage>())
{
    const StylesWhileBuilding styles;
    m_ui->setupUi(this);
}

ReferencePage::~ReferencePage() = default;

// Laying out the regulation's text takes as long as building a page; it is
// done when the page is first shown.
void ReferencePage::showEvent(QShowEvent *event)
{
    if (!m_textShown) {
        m_textShown = true;
        m_ui->RichEdit1->setPlainText(ReferenceText());
    }
    Page::showEvent(event);
}

} // namespace pellumo
