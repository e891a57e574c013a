#pragma once

#include <QString>

namespace pellumo {

// Puts a result line on the system clipboard as plain text. The window does
// it through the hidden Edit1 of its banner strip (BannerStrip).
class ResultClipboard
{
public:
    virtual ~ResultClipboard() = default;
    virtual void copy(const QString &text) = 0;
};

} // namespace pellumo
