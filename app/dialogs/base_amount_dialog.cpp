#include "app/dialogs/base_amount_dialog.h"

#include "app/services/message_boxes.h"
#include "app/window/window_styles.h"
#include "fees/base_amounts.h"
#include "platform/file_error_text.h"
#include "ui_base_amount_dialog.h"

#include <QFileInfo>

namespace pellumo {
namespace {

// The statutory ranges of the per-case base amounts, in yuan.
constexpr int DivorceMinimum = 50;
constexpr int DivorceMaximum = 300;
constexpr int PersonalityRightsMinimum = 100;
constexpr int PersonalityRightsMaximum = 500;

bool IsAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Blanks are the space and the control characters; a full-width space
// (U+3000) from an input method is text, which the conversion then refuses.
QStringView TrimBlanks(QStringView text)
{
    while (!text.isEmpty() && text.front() <= QLatin1Char(' '))
        text = text.sliced(1);
    while (!text.isEmpty() && text.back() <= QLatin1Char(' '))
        text.chop(1);
    return text;
}

} // namespace

std::optional<int> ParseBaseAmount(const QString &text)
{
    const QStringView trimmed = TrimBlanks(text);
    qsizetype first = 0;
    if (trimmed.startsWith(QLatin1Char('+')) || trimmed.startsWith(QLatin1Char('-')))
        first = 1;
    if (first == trimmed.size())
        return std::nullopt;
    for (qsizetype i = first; i < trimmed.size(); ++i) {
        if (!IsAsciiDigit(trimmed[i]))
            return std::nullopt;
    }
    bool ok = false;
    const int value = trimmed.toInt(&ok, 10);
    return ok ? std::optional<int>(value) : std::nullopt;
}

TForm2::TForm2(const QString &settingsFilePath, MessageBoxes *messageBoxes, QWidget *parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::BaseAmountDialog>()), m_settingsFilePath(settingsFilePath),
      m_messageBoxes(messageBoxes)
{
    {
        const StylesWhileBuilding styles;
        m_ui->setupUi(this);
    }
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(318, 219);
    connect(m_ui->SpeedButton1, &QToolButton::clicked, this, &TForm2::SpeedButton1Click);
    connect(m_ui->SpeedButton2, &QToolButton::clicked, this, &TForm2::SpeedButton2Click);
}

TForm2::~TForm2() = default;

void TForm2::setBaseAmounts(int D, int P)
{
    m_ui->Edit1->setText(QString::number(D));
    m_ui->Edit2->setText(QString::number(P));
}

void TForm2::showMessage(const QString &text)
{
    m_messageBoxes->show(this, text, QStringLiteral("Pellumo"), MessageBoxes::Icon::None,
                         MessageBoxes::Buttons::Ok);
}

// Save: one message per attempt, the divorce range tested first; after a
// message the dialog stays open with the input as the user left it.
void TForm2::SpeedButton1Click()
{
    const QString divorceText = m_ui->Edit1->text();
    const QString personalityRightsText = m_ui->Edit2->text();
    if (TrimBlanks(divorceText).isEmpty() || TrimBlanks(personalityRightsText).isEmpty())
        return;

    const std::optional<int> D = ParseBaseAmount(divorceText);
    const std::optional<int> P = ParseBaseAmount(personalityRightsText);
    if (!D || !P) {
        showMessage(QStringLiteral("出错，请确认输入的是小写数字。操作被退回。"));
        return;
    }
    if (*D < DivorceMinimum || *D > DivorceMaximum) {
        showMessage(QStringLiteral("离婚案件收费基数设定高于或低于法定数，操作被退回。"));
        return;
    }
    if (*P < PersonalityRightsMinimum || *P > PersonalityRightsMaximum) {
        showMessage(QStringLiteral("人格权侵权案件收费基数设定高于或停低于法定数，操作被退回。"));
        return;
    }
    const bool existed = QFileInfo(m_settingsFilePath).isFile();
    if (!WriteBaseAmounts(m_settingsFilePath, *D, *P)) {
        showMessage(WriteFailureText(QStringLiteral("设置文件"), m_settingsFilePath,
                                     ProbeWriteFault(m_settingsFilePath), existed));
        return;
    }
    Q_EMIT baseAmountsSaved(divorceText, personalityRightsText);
    accept();
}

void TForm2::SpeedButton2Click()
{
    reject();
}

} // namespace pellumo
