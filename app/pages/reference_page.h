#pragma once

#include "app/pages/page.h"

#include <memory>

namespace Ui {
class ReferencePage;
}

namespace pellumo {

// The page "新办法": the fee regulation and the Supreme People's Court's
// notice on applying it, for checking a fee against the rules.
class ReferencePage : public Page
{
    Q_OBJECT
public:
    ReferencePage(const PageServices &services, QWidget *parent = nullptr);
    ~ReferencePage() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    std::unique_ptr<Ui::ReferencePage> m_ui;
    bool m_textShown = false;
};

} // namespace pellumo
