// An up-down control on the native "msctls_updown32" class. Associate is the windowed control it sits
// beside and writes its position into (an edit, usually); layouts name it ("Associate = \"Edit1\""), and
// the name is looked up among the owner's components once the layout is read. Each step the user makes
// runs OnClick with the arrow pressed.
#pragma once

#include "toolkit/TWinControl.h"

namespace tk {

enum class TUDOrientation { udHorizontal, udVertical };
enum class TUDBtnType { btNext, btPrev };
using TUDClickEvent = std::function<void(TObject* Sender, TUDBtnType Button)>;

class TUpDown : public TWinControl {
    TK_CLASS(TUpDown, TWinControl)
public:
    explicit TUpDown(TComponent* owner);

    int Min() const { return m_min; }
    void SetMin(int value);
    int Max() const { return m_max; }
    void SetMax(int value);
    int Position() const;
    void SetPosition(int value);
    bool Wrap() const { return m_wrap; }
    void SetWrap(bool value);
    TUDOrientation Orientation() const { return m_orientation; }
    void SetOrientation(TUDOrientation value);
    TWinControl* Associate() const { return m_associate; }
    void SetAssociate(TWinControl* control);
    // The associate's component name, for layouts; an unknown name is an error once the layout is read.
    std::string AssociateName() const;
    void SetAssociateName(const std::string& name);

    TUDClickEvent OnClick;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateHandleDone() override;
    void DestroyWnd() override;
    void WndProc(TMessage& message) override;
    void Loaded() override;

private:
    int m_min = 0;
    int m_max = 100;
    int m_position = 0;
    bool m_wrap = false;
    TUDOrientation m_orientation = TUDOrientation::udVertical;
    TWinControl* m_associate = nullptr;
    std::string m_pendingAssociate;
    TUDBtnType m_lastButton = TUDBtnType::btNext;

    void PushRange();
    void CNNotify(TMessage& m);
    void CNScroll(win::WORD code);
};

} // namespace tk
