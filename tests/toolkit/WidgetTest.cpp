// The widgets as a person uses them: clicks and keys through the headless display, on a form streamed from a
// layout.
#include "WidgetTestForm.h"
#include "support/TestGuards.h"

#include "toolkit/DrawingUtils.h"
#include "toolkit/SysUtils.h"
#include "toolkit/layout/LayoutDocument.h"

using namespace widget_tests;

TEST_F(Widgets, LayoutStreamsEveryWidgetWithNestedPanelsBinaryGlyphAndEvents) {
    TWidgetForm* form = MakeForm();
    auto* outer = form->Get<TPanel>("Outer");
    auto* inner = form->Get<TPanel>("Inner");
    auto* image = form->Get<TImage>("Image1");
    auto* start = form->Get<TBitBtn>("Start");
    EXPECT_EQ(inner->Parent(), outer);
    EXPECT_EQ(image->Parent(), inner);
    EXPECT_EQ(form->Get<TCheckBox>("CheckBox1")->Parent(), inner);
    EXPECT_EQ(win::GetParent(inner->Handle()), outer->Handle());
    EXPECT_EQ(start->Glyph()->Width(), 32) << "the glyph came through the binary property";
    EXPECT_EQ(start->Glyph()->Height(), 16);
    EXPECT_EQ(start->NumGlyphs(), 2);
    EXPECT_EQ(form->Get<TCustomEdit>("Edit1")->Text(), "1");
    EXPECT_EQ(form->Get<TCheckBox>("CheckBox2")->State(), TCheckBoxState::cbChecked);
    EXPECT_EQ(win::SendMessageA(form->Get<TCheckBox>("CheckBox2")->Handle(), win::BM_GETCHECK, 0, 0),
              static_cast<win::LRESULT>(win::BST_CHECKED))
        << "the window shows the streamed state";
    EXPECT_TRUE(form->Get<TRadioButton>("RadioButton1")->Checked());
    EXPECT_EQ(form->Get<TTimer>("Timer1")->Interval(), 200);

    form->Get<TStaticText>("Link")->Click();
    form->Get<TSpeedButton>("Prev")->Click();
    EXPECT_EQ(form->clicks, (std::vector<std::string>{"Link", "Prev"})) << "events bound by handler name";
}

TEST_F(Widgets, ClassKindsAndPropertiesByNameAreWhatTheSkinAsksFor) {
    TWidgetForm* form = MakeForm();
    struct Kind {
        const char* name;
        std::vector<const char*> kinds;
        std::vector<const char*> properties;
    } cases[] = {
        {"Start",
         {"TBitBtn", "TButton", "TButtonControl", "TWinControl"},
         {"Caption", "Font", "Default", "Glyph", "Kind"}},
        {"Submit", {"TButton"}, {"Caption", "Default", "Cancel", "ModalResult"}},
        {"Prev", {"TSpeedButton", "TGraphicControl"}, {"Caption", "Down", "Glyph", "Flat", "Transparent"}},
        {"CheckBox1", {"TCheckBox", "TCustomCheckBox"}, {"Caption", "State", "Checked"}},
        {"RadioButton1", {"TRadioButton"}, {"Caption", "Checked"}},
        {"Modes", {"TRadioGroup", "TCustomRadioGroup", "TCustomGroupBox"}, {"Caption", "ItemIndex"}},
        {"Question", {"TGroupBox", "TCustomGroupBox", "TCustomControl"}, {"Caption", "ParentBackground"}},
        {"Outer", {"TPanel", "TCustomPanel"}, {"Caption", "BevelOuter", "Color", "ParentBackground"}},
        {"Edit1", {"TEdit", "TCustomEdit"}, {"Text", "Font"}},
        {"Notes", {"TMemo", "TCustomMemo", "TCustomEdit"}, {"Text", "ScrollBars"}},
        {"Image1", {"TImage", "TGraphicControl"}, {"Picture", "Stretch", "Transparent"}},
        {"Card1", {"TRzButton", "TCustomControl"}, {"Caption", "Color", "Default"}},
        {"Link", {"TStaticText", "TCustomStaticText"}, {"Caption", "AutoSize", "Font"}},
    };
    for (const Kind& k : cases) {
        TComponent* c = form->FindComponent(k.name);
        ASSERT_NE(c, nullptr) << k.name;
        for (const char* kind : k.kinds)
            EXPECT_TRUE(c->InheritsFrom(kind)) << k.name << " is a " << kind;
        for (const char* property : k.properties)
            EXPECT_NO_THROW(GetPropertyValue(*c, property)) << k.name << "." << property;
    }
    EXPECT_FALSE(form->FindComponent("Start")->InheritsFrom("TSpeedButton"));
    EXPECT_FALSE(form->FindComponent("CheckBox1")->InheritsFrom("TRadioButton"));
    EXPECT_FALSE(form->FindComponent("Notes")->InheritsFrom("TEdit"));

    auto* box = form->Get<TCheckBox>("CheckBox1");
    SetPropertyValue(*box, "State", std::string("cbGrayed"));
    EXPECT_EQ(std::get<std::string>(GetPropertyValue(*box, "State")), "cbGrayed");
    SetPropertyValue(*box, "Checked", true);
    EXPECT_EQ(std::get<std::string>(GetPropertyValue(*box, "State")), "cbChecked");
    auto* card = form->Get<TRzButton>("Card2");
    SetPropertyValue(*card, "Color", std::int64_t{0x0000FF});
    EXPECT_EQ(card->Color(), clRed);
    EXPECT_EQ(std::get<std::int64_t>(GetPropertyValue(*form->Get<TSpeedButton>("Prev"), "Font.Height")), -11);
    EXPECT_FALSE(std::get<bool>(GetPropertyValue(*form->Get<TBitBtn>("Start"), "Glyph.Empty")));
}

TEST_F(Widgets, StaticTextSizesItselfToItsTextUnlessFixed) {
    TWidgetForm* form = MakeForm();
    auto* feedback = form->Get<TStaticText>("Feedback");
    auto* notice = form->Get<TStaticText>("Notice");
    win::SIZE expected = TextExtent(*feedback->Font(), feedback->Caption());
    EXPECT_EQ(feedback->Width(), expected.cx + 4) << "two pixels of margin a side";
    EXPECT_EQ(feedback->Height(), expected.cy + 4);
    feedback->SetBorderStyle(TStaticBorderStyle::sbsSunken);
    EXPECT_EQ(feedback->Width(), expected.cx + 4) << "a border lies within the margin";
    feedback->SetBorderStyle(TStaticBorderStyle::sbsSingle);
    EXPECT_EQ(feedback->Height(), expected.cy + 4);
    feedback->SetBorderStyle(TStaticBorderStyle::sbsNone);
    int before = feedback->Width();
    feedback->SetCaption("请注意您答错了,正确答案是：【C】。");
    EXPECT_GT(feedback->Width(), before) << "grows to the right with its text";
    EXPECT_EQ(feedback->Left(), 32);
    win::RECT r{};
    win::GetClientRect(feedback->Handle(), &r);
    EXPECT_EQ(r.right, feedback->Width()) << "the window follows";
    feedback->Font()->SetHeight(-19);
    EXPECT_GT(feedback->Height(), expected.cy) << "a bigger font makes it taller";

    notice->SetCaption("短");
    EXPECT_EQ(notice->Width(), 281) << "AutoSize off keeps the designed size";
    EXPECT_EQ(notice->Height(), 17);
    notice->SetAutoSize(true);
    EXPECT_LT(notice->Width(), 281);
}

TEST_F(Widgets, StaticTextTakesClicksOnlyWhileEnabled) {
    TWidgetForm* form = MakeForm();
    auto* link = form->Get<TStaticText>("Link");
    auto* greyed = form->Get<TStaticText>("Greyed");
    ClickCentre(link);
    ClickCentre(greyed);
    EXPECT_EQ(form->clicks, (std::vector<std::string>{"Link"}));
    greyed->SetEnabled(true);
    ClickCentre(greyed);
    EXPECT_EQ(form->clicks, (std::vector<std::string>{"Link", "Greyed"}));
    EXPECT_EQ(link->Cursor(), crHandPoint);
    win::POINT p = link->ClientToScreen({3, 3});
    m_display->MouseMove(p.x, p.y);
    m_display->Pump();
    EXPECT_EQ(win::GetCursor(), win::LoadCursorA(nullptr, win::IDC_HAND))
        << "the pointer becomes a hand over it";
    p = form->Get<TStaticText>("Title")->ClientToScreen({3, 3});
    m_display->MouseMove(p.x, p.y);
    m_display->Pump();
    EXPECT_EQ(win::GetCursor(), win::LoadCursorA(nullptr, win::IDC_ARROW));
}

TEST_F(Widgets, FourRadioButtonsOfOneParentFormOneGroup) {
    TWidgetForm* form = MakeForm();
    TRadioButton* radios[4];
    for (int i = 0; i < 4; ++i)
        radios[i] = form->Get<TRadioButton>(("RadioButton" + std::to_string(i + 1)).c_str());
    auto checkedOnes = [&] {
        std::string s;
        for (int i = 0; i < 4; ++i) {
            s += radios[i]->Checked() ? '1' : '0';
            EXPECT_EQ(win::SendMessageA(radios[i]->Handle(), win::BM_GETCHECK, 0, 0) != 0,
                      radios[i]->Checked());
        }
        return s;
    };
    EXPECT_EQ(checkedOnes(), "1000");
    ClickAt(radios[2], 6, 8);
    EXPECT_EQ(checkedOnes(), "0010");
    ClickAt(radios[3], 6, 8);
    EXPECT_EQ(checkedOnes(), "0001");
    ClickAt(radios[3], 6, 8);
    EXPECT_EQ(checkedOnes(), "0001");
    EXPECT_EQ(form->clicks, (std::vector<std::string>{"RadioButton3", "RadioButton4", "RadioButton4"}))
        << "every click runs OnClick, also on the checked button";

    // Code restores a state without counting as a click.
    radios[1]->SetChecked(true);
    EXPECT_EQ(checkedOnes(), "0100");
    radios[1]->SetChecked(false);
    EXPECT_EQ(checkedOnes(), "0000");
    EXPECT_EQ(form->clicks.size(), 3u);

    // Check boxes on the same panel are no part of the group.
    auto* box = form->Get<TCheckBox>("CheckBox1");
    ClickAt(radios[0], 6, 8);
    ClickCentre(box);
    EXPECT_TRUE(box->Checked());
    EXPECT_EQ(checkedOnes(), "1000");
}

TEST_F(Widgets, CheckBoxClickMovesTheStateOn) {
    TWidgetForm* form = MakeForm();
    auto* box = form->Get<TCheckBox>("CheckBox1");
    int clicks = 0;
    box->OnClick = [&](TObject*) { ++clicks; };
    ClickCentre(box);
    EXPECT_EQ(box->State(), TCheckBoxState::cbChecked);
    ClickCentre(box);
    EXPECT_EQ(box->State(), TCheckBoxState::cbUnchecked);
    box->SetAllowGrayed(true);
    ClickCentre(box);
    EXPECT_EQ(box->State(), TCheckBoxState::cbGrayed);
    EXPECT_EQ(win::SendMessageA(box->Handle(), win::BM_GETCHECK, 0, 0),
              static_cast<win::LRESULT>(win::BST_INDETERMINATE));
    EXPECT_EQ(clicks, 3);
    box->SetChecked(false);
    EXPECT_EQ(clicks, 3) << "a change from code is not a click";

    // The space bar clicks the focused box too.
    box->SetAllowGrayed(false);
    box->SetFocus();
    m_display->Key(win::VK_SPACE);
    EXPECT_EQ(box->State(), TCheckBoxState::cbChecked);
    EXPECT_EQ(clicks, 4);
}

TEST_F(Widgets, EditWhoseKeyPressHandlerDiscardsLetters) {
    TWidgetForm* form = MakeForm();
    auto* edit = form->Get<TEdit>("Edit1");
    std::vector<std::string> changes;
    edit->OnChange = [&](TObject*) { changes.push_back(edit->Text()); };
    edit->SetText("");
    edit->SetFocus();
    m_display->TypeText("1a2Z 3");
    m_display->Pump();
    EXPECT_EQ(edit->Text(), "123");
    EXPECT_EQ(changes.back(), "123");
    m_display->Key(win::VK_BACK);
    EXPECT_EQ(edit->Text(), "12") << "backspace passes the filter";
    EXPECT_EQ(std::get<std::string>(GetPropertyValue(*edit, "Text")), "12");

    // Text put in by code is not filtered.
    edit->SetText("1 2a");
    EXPECT_EQ(edit->Text(), "1 2a");
    char buffer[16] = {};
    win::GetWindowTextA(edit->Handle(), buffer, sizeof buffer);
    EXPECT_STREQ(buffer, "1 2a");
}

TEST_F(Widgets, ReturnGoesToTheDefaultButtonOrElseToOnKeyDown) {
    TWidgetForm* form = MakeForm();
    auto* edit = form->Get<TEdit>("Edit1");
    edit->SetFocus();
    m_display->Key(win::VK_RETURN);
    EXPECT_EQ(form->clicks, (std::vector<std::string>{"Submit"}));
    EXPECT_TRUE(form->keysDown.empty());

    form->Get<TButton>("Submit")->SetDefault(false);
    edit->SetFocus();
    m_display->Key(win::VK_RETURN);
    m_display->Key('7');
    EXPECT_EQ(form->clicks.size(), 1u);
    EXPECT_EQ(form->keysDown, (std::vector<win::WORD>{13, '7'}));
}

TEST_F(Widgets, PushButtonsClickOnceAndEndModalForms) {
    TWidgetForm* form = MakeForm();
    auto* submit = form->Get<TButton>("Submit");
    ClickCentre(submit);
    EXPECT_EQ(form->clicks, (std::vector<std::string>{"Submit"})) << "one click, not one per message";

    // Pressing, sliding off and releasing is no click.
    win::POINT p = submit->ClientToScreen({10, 10});
    m_display->MouseMove(p.x, p.y);
    m_display->MouseDown();
    m_display->MouseMove(p.x + 200, p.y + 200);
    m_display->MouseUp();
    m_display->Pump();
    EXPECT_EQ(form->clicks.size(), 1u);

    auto* start = form->Get<TBitBtn>("Start");
    start->SetKind(TBitBtnKind::bkOK);
    EXPECT_EQ(start->ModalResult(), mrOk);
    form->Hide();
    int result = -1;
    auto* timer = new TTimer(form);
    timer->SetInterval(10);
    timer->OnTimer = [&](TObject*) {
        timer->SetEnabled(false);
        ClickCentre(start);
    };
    result = form->ShowModal();
    EXPECT_EQ(result, mrOk);
    EXPECT_EQ(form->clicks.back(), "Start");
}

TEST_F(Widgets, SpeedButtonWithoutWindowClicksOnReleaseInside) {
    TWidgetForm* form = MakeForm();
    auto* prev = form->Get<TSpeedButton>("Prev");
    ClickCentre(prev);
    EXPECT_EQ(form->clicks, (std::vector<std::string>{"Prev"}));

    win::POINT p = prev->ClientToScreen({5, 5});
    m_display->MouseMove(p.x, p.y);
    m_display->MouseDown();
    m_display->Pump();
    EXPECT_TRUE(prev->ShownPressed());
    m_display->MouseMove(p.x - 50, p.y);
    m_display->Pump();
    EXPECT_FALSE(prev->ShownPressed()) << "looks up again once the pointer leaves";
    m_display->MouseUp();
    m_display->Pump();
    EXPECT_EQ(form->clicks.size(), 1u);

    prev->SetEnabled(false);
    ClickCentre(prev);
    EXPECT_EQ(form->clicks.size(), 1u);
    prev->SetEnabled(true);
    prev->Click();
    EXPECT_EQ(form->clicks.size(), 2u) << "a click from code";
}

TEST_F(Widgets, SpeedButtonsOfAGroupStayDownOneAtATime) {
    TWidgetForm* form = MakeForm();
    auto* panel = form->Get<TPanel>("Outer");
    TSpeedButton* buttons[2];
    for (int i = 0; i < 2; ++i) {
        buttons[i] = new TSpeedButton(form);
        buttons[i]->SetGroupIndex(1);
        buttons[i]->SetBounds(300, 220 + i * 24, 60, 22);
        buttons[i]->SetParent(panel);
    }
    ClickCentre(buttons[0]);
    EXPECT_TRUE(buttons[0]->Down());
    ClickCentre(buttons[1]);
    EXPECT_FALSE(buttons[0]->Down());
    EXPECT_TRUE(buttons[1]->Down());
    ClickCentre(buttons[1]);
    EXPECT_TRUE(buttons[1]->Down()) << "without AllowAllUp the last one stays down";
    buttons[1]->SetAllowAllUp(true);
    ClickCentre(buttons[1]);
    EXPECT_FALSE(buttons[1]->Down());
}

TEST_F(Widgets, AnswerCardButtonHasASettableFaceAndClicks) {
    TWidgetForm* form = MakeForm();
    auto* card = form->Get<TRzButton>("Card2");
    card->SetColor(clRed);
    card->Update();
    win::HDC dc = win::GetDC(card->Handle());
    EXPECT_EQ(win::GetPixel(dc, 4, card->Height() / 2), ColorToRGB(clRed));
    win::ReleaseDC(card->Handle(), dc);
    ClickAt(card, 3, 3);
    EXPECT_EQ(form->clicks, (std::vector<std::string>{"Card2"}));

    win::POINT p = card->ClientToScreen({3, 3});
    m_display->MouseMove(p.x, p.y);
    m_display->MouseDown();
    m_display->MouseMove(p.x + 100, p.y);
    m_display->MouseUp();
    m_display->Pump();
    EXPECT_EQ(form->clicks.size(), 1u) << "released outside: no click";
    EXPECT_FALSE(card->ShownPressed());
}

TEST_F(Widgets, LaterControlsLieAboveEarlierOnes) {
    TWidgetForm* form = MakeForm();
    // The group box comes before the panel in the layout, so the panel covers it where they overlap.
    auto* outer = form->Get<TPanel>("Outer");
    win::POINT p = outer->ClientToScreen({50, 5});
    EXPECT_EQ(win::WindowFromPoint(p), outer->Handle());
    auto* a = new TRzButton(form);
    a->SetBounds(10, 425, 60, 20);
    a->SetParent(form);
    auto* b = new TRzButton(form);
    b->SetName("Above");
    b->SetBounds(40, 425, 60, 20);
    b->SetParent(form);
    b->OnClick = [&](TObject* s) { form->ButtonClick(s); };
    ClickAt(a, 45, 10);
    EXPECT_EQ(form->clicks, (std::vector<std::string>{"Above"}));
}

TEST_F(Widgets, RadioGroupItemsAreButtonsAndTheChoiceIsItemIndex) {
    TWidgetForm* form = MakeForm();
    auto* group = form->Get<TRadioGroup>("Modes");
    group->SetItems({"顺序", "随机", "错题"});
    int clicks = 0;
    group->OnClick = [&](TObject*) { ++clicks; };
    EXPECT_EQ(group->ItemIndex(), -1);
    ASSERT_NE(group->Button(2), nullptr);
    EXPECT_EQ(group->Button(3), nullptr);
    EXPECT_LT(group->Button(0)->Top(), group->Button(1)->Top()) << "one column, top to bottom";
    // The bit button lies over the group; click the third item below it.
    ClickAt(group->Button(2), 6, group->Button(2)->Height() / 2);
    EXPECT_EQ(group->ItemIndex(), 2);
    EXPECT_EQ(clicks, 1);
    group->SetItemIndex(0);
    EXPECT_TRUE(group->Button(0)->Checked());
    EXPECT_FALSE(group->Button(2)->Checked());
    EXPECT_EQ(clicks, 1);
    group->SetItemIndex(7);
    EXPECT_EQ(group->ItemIndex(), -1) << "out of range means none";
    group->SetColumns(3);
    EXPECT_EQ(group->Button(0)->Top(), group->Button(2)->Top());
    EXPECT_LT(group->Button(0)->Left(), group->Button(2)->Left());
}

TEST_F(Widgets, TheDefaultRingFollowsTheFocusedPushButton) {
    TWidgetForm* form = MakeForm();
    auto* submit = form->Get<TButton>("Submit");
    auto isDefaultStyle = [](TWinControl* c) {
        return (win::GetWindowLongA(c->Handle(), win::GWL_STYLE) & win::BS_TYPEMASK) == win::BS_DEFPUSHBUTTON;
    };
    EXPECT_TRUE(isDefaultStyle(submit));
    auto* other = new TButton(form);
    other->SetBounds(104, 150, 75, 25);
    other->SetParent(form);
    other->OnClick = [&](TObject*) { form->clicks.push_back("Other"); };
    other->SetFocus();
    EXPECT_FALSE(isDefaultStyle(submit));
    EXPECT_TRUE(isDefaultStyle(other));
    m_display->Key(win::VK_RETURN);
    EXPECT_EQ(form->clicks, (std::vector<std::string>{"Other"})) << "Return presses the focused button";
    form->Get<TEdit>("Edit1")->SetFocus();
    EXPECT_TRUE(isDefaultStyle(submit)) << "back to the default button";
    m_display->Key(win::VK_TAB);
    EXPECT_NE(win::GetFocus(), form->Get<TEdit>("Edit1")->Handle()) << "Tab moves the focus on";
}

TEST_F(Widgets, AReplacedWindowProcSeesAWidgetsMessagesAndMayAnswerThemAlone) {
    TWidgetForm* form = MakeForm();
    auto* prev = form->Get<TSpeedButton>("Prev");
    std::vector<win::UINT> seen;
    auto saved = prev->WindowProc;
    bool paintAlone = true;
    taxi::test::ScopedValue<decltype(saved)> hook(prev->WindowProc, [&](TMessage& m) {
        seen.push_back(m.Msg);
        if (m.Msg == win::WM_PAINT && paintAlone) {
            m.Result = 1; // drawn by the hook; the button's own painting does not run
            return;
        }
        saved(m);
    });
    prev->Repaint();
    ClickCentre(prev);
    auto has = [&](win::UINT msg) { return std::find(seen.begin(), seen.end(), msg) != seen.end(); };
    EXPECT_TRUE(has(win::WM_PAINT)) << "the parent's painting passes through the hook";
    EXPECT_TRUE(has(CM_MOUSEENTER));
    EXPECT_TRUE(has(win::WM_LBUTTONDOWN));
    EXPECT_TRUE(has(win::WM_LBUTTONUP));
    EXPECT_EQ(form->clicks, (std::vector<std::string>{"Prev"})) << "passed on, the click still happens";

    hook.Restore();
    seen.clear();
    ClickCentre(prev);
    EXPECT_TRUE(seen.empty());
    EXPECT_EQ(form->clicks.size(), 2u);
}

TEST_F(Widgets, AFailingConversionInAKeyHandlerGoesToTheErrorBoxAndStopsThatHandler) {
    TWidgetForm* form = MakeForm();
    auto* edit = form->Get<TEdit>("Edit1");
    form->Get<TButton>("Submit")->SetDefault(false);
    int reached = 0;
    edit->OnKeyDown = [&](TObject*, win::WORD& key, TShiftState) {
        if (key != win::VK_RETURN)
            return;
        StrToInt(edit->Text());
        ++reached;
    };
    edit->SetText("");
    edit->SetFocus();
    m_display->Key(win::VK_RETURN);
    EXPECT_EQ(m_errors, (std::vector<std::string>{"'' is not a valid integer value"}));
    EXPECT_EQ(reached, 0);
    edit->SetText("12");
    m_display->Key(win::VK_RETURN);
    EXPECT_EQ(reached, 1) << "the field goes on working";
    EXPECT_EQ(m_errors.size(), 1u);
}

TEST_F(Widgets, ANewWindowAfterAStyleChangeKeepsTextStateAndPlace) {
    TWidgetForm* form = MakeForm();
    auto* notes = form->Get<TMemo>("Notes");
    auto* box = form->Get<TCheckBox>("CheckBox2");
    std::vector<win::UINT> seen;
    auto saved = notes->WindowProc;
    taxi::test::ScopedValue<decltype(saved)> hook(notes->WindowProc, [&](TMessage& m) {
        seen.push_back(m.Msg);
        saved(m);
    });
    win::HWND before = notes->Handle();
    notes->SetScrollBars(TScrollStyle::ssBoth);
    EXPECT_NE(std::find(seen.begin(), seen.end(), CM_RECREATEWND), seen.end()) << "the hook learns of it";
    EXPECT_FALSE(win::IsWindow(before));
    EXPECT_TRUE(win::GetWindowLongA(notes->Handle(), win::GWL_STYLE) & win::WS_HSCROLL);
    EXPECT_EQ(notes->Text(), "备注");
    EXPECT_EQ(notes->Left(), 8);
    hook.Restore();

    box->SetAlignment(TLeftRight::taLeftJustify);
    EXPECT_EQ(win::SendMessageA(box->Handle(), win::BM_GETCHECK, 0, 0),
              static_cast<win::LRESULT>(win::BST_CHECKED));
    EXPECT_EQ(TWinControl::FindControl(box->Handle()), box);
}

TEST_F(Widgets, HostileLayoutValuesAreRefusedWithFileAndLine) {
    struct Case {
        const char* body;
        const char* fragment;
    } cases[] = {
        {"  object B: TBitBtn\n    Glyph.Data = { 424D0102 }\n  end\n", "B.Glyph.Data"},
        {"  object L: TStaticText\n    Cursor = crPlaid\n  end\n", "unknown value crPlaid"},
        {"  object C: TCheckBox\n    State = cbMaybe\n  end\n", "not a member of TCheckBoxState"},
        {"  object P: TPanel\n    BevelOuter = 2\n  end\n", "cannot take an integer"},
    };
    for (const Case& c : cases) {
        std::string text = std::string("object F: TWidgetForm\n") + c.body + "end\n";
        try {
            TWidgetForm form(nullptr, text);
            ADD_FAILURE() << "accepted: " << c.body;
        } catch (const tk::layout::LayoutError& e) {
            EXPECT_EQ(e.line, 3) << c.body;
            EXPECT_NE(e.message.find(c.fragment), std::string::npos) << e.What();
        }
    }
}

TEST_F(Widgets, EscapePressesTheCancelButtonWhichEndsTheModalForm) {
    TWidgetForm* form = MakeForm();
    form->Hide();
    auto* cancel = new TButton(form);
    cancel->SetName("Close");
    cancel->SetCaption("取消");
    cancel->SetBounds(104, 150, 75, 25);
    cancel->SetCancel(true);
    cancel->SetModalResult(mrCancel);
    cancel->OnClick = [&](TObject* s) { form->ButtonClick(s); };
    cancel->SetParent(form);
    auto* timer = new TTimer(form);
    timer->SetInterval(10);
    timer->OnTimer = [&](TObject*) {
        timer->SetEnabled(false);
        form->Get<TEdit>("Edit1")->SetFocus();
        m_display->KeyDown(win::VK_ESCAPE);
        m_display->KeyUp(win::VK_ESCAPE);
    };
    EXPECT_EQ(form->ShowModal(), mrCancel);
    EXPECT_EQ(form->clicks, (std::vector<std::string>{"Close"}));
    EXPECT_FALSE(win::IsWindowVisible(form->Handle()));
}
