#pragma once

#include "platform/Types.h"

namespace tal {

// What the return-to-start button window can be told. Positions are in twips: the distance of the
// window's outer edge from the screen's.
class ReturnButtonView {
public:
    virtual ~ReturnButtonView() = default;

    virtual platform::WindowHandle handle() = 0;
    virtual float left() = 0;
    virtual float top() = 0;
    virtual void setLeft(float twips) = 0;
    virtual void setTop(float twips) = 0;
};

}  // namespace tal
