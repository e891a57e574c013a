#pragma once

#include "app/pages/page.h"

#include <memory>

namespace Ui {
class AboutPage;
}

namespace pellumo {

// The page "关于": the maker's particulars and a banner that opens the
// maker's web site.
class AboutPage : public Page
{
    Q_OBJECT
public:
    AboutPage(const PageServices &services, QWidget *parent = nullptr);
    ~AboutPage() override;

private:
    void Image2Click();

    std::unique_ptr<Ui::AboutPage> m_ui;
};

} // namespace pellumo
