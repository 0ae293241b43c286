#include "skin/data/DefaultSkin3rd.h"

#include <initializer_list>

namespace skin {

namespace {

struct TKindGroup {
    const char* kind;
    std::initializer_list<const char*> classes;
};

// Grouped by kind; duplicates are kept as the table has always held them.
const TKindGroup kGroups[] = {
    {"scrollbar",
     {"TCategoryButtons", "TVirtualStringTree", "TVirtualDrawTree", "TAdvPanelGroup", "THTMLViewer",
      "TDBCtrlGrid", "TImageEnMView", "TImageEnView", "TAdvMemo", "TDBAdvMemo"}},
    {"pngspeedbutton", {"TPngSpeedbutton"}},
    {"pngbitbtn", {"TPngBitBtn"}},
    {"Panel",
     {"TTBXDockablePanel", "TControlBar", "TTBDock", "TTBToolbar", "TLMDGROUPBOX", "TLMDSIMPLEPANEL",
      "TLMDDBCalendar", "TLMDButtonPanel", "TLMDLMDCalculator", "TLMDHeaderPanel", "TLMDTechnicalLine",
      "TLMDLMDClock"}},
    {"panel", {"TRzGroup", "TLMDCalculator", "TLMDTrackbar"}},
    {"combobox", {"TComboboxex",          "TcxDBLookupComboBox",    "TcxDBComboBox",
                  "TcxDBDateEdit",        "TcxDBImageComboBox",     "TcxDBCalcEdit",
                  "TcxDBBlobEdit",        "TcxDBPopupEdit",         "TcxDBFontNameComboBox",
                  "TcxDBShellComboBox",   "TRxLookupEdit",          "TRxDBLookupCombo",
                  "TRzDateTimeEdit",      "TRzColorEdit",           "TRzDateTimePicker",
                  "TRzDBDateTimeEdit",    "TRzDbColorEdit",         "TRzDBDateTimePicker",
                  "TLMDListCombobox",     "TLMDCheckListCombobox",  "TLMDHeaderListCombobox",
                  "TLMDImageCombobox",    "TLMDColorCombobox",      "TLMDFontCombobox",
                  "TLMDFontSizeCombobox", "TLMDFontSizeCombobox",   "TLMDPrinterCombobox",
                  "TLMDDriveCombobox",    "TLMDCalculatorComboBox", "TLMDTrackBarComboBox",
                  "TLMDCalendarComboBox", "TLMDTreeComboBox",       "TWWTempKeyCombo"}},
    {"Combobox",
     {"TDBLookupCombobox", "TWWDBCombobox", "TWWDBCombobox", "TWWDBLookupCombo", "TWWKeyCombo",
      "TWWDBDateTimePicker"}},
    {"speedbutton", {"TRxSpeedButton", "TfrSpeedButton", "TfrTBButton"}},
    {"button", {"TRzButton"}},
    {"bitbtn", {"TRzBitbtn", "TLMDButton", "TcxButton"}},
    {"menubtn", {"TRzMenuButton"}},
    {"CheckGroup", {"TRzCheckGroup", "TLMDCheckGroup", "TLMDDBCheckGroup"}},
    {"Radiogroup", {"TRzRadioGroup", "TRzDBRadioGroup"}},
    {"radiogroup",
     {"TLMDRADIOGROUP", "TLMDDBRADIOGROUP", "TWWRADIOGROUP", "TcxDBRadioGroup", "TcxRadioGroup"}},
    {"Edit", {"TRzButtonEdit",     "TLMDEDIT",           "TLMDMASKEDIT",     "TLMDBROWSEEDIT",
              "TLMDEXTSPINEDIT",   "TLMDCALENDAREDIT",   "TLMDFILEOPENEDIT", "TLMDFILESAVEEDIT",
              "TLMDCOLOREDIT",     "TLMDDBEDIT",         "TLMDDBMASKEDIT",   "TLMDDBEXTSPINEDIT",
              "TLMDDBSPINEDIT",    "TLMDDBEDITDBLookup", "TLMDEDITDBLookup", "TWWDBEDIT",
              "TOVCPICTUREFIELD",  "TOVCDBPICTUREFIELD", "TOVCSLIDEREDIT",   "TOVCDBSLIDEREDIT",
              "TOVCSIMPLEFIELD",   "TOVCDBSIMPLEFIELD",  "TO32DBFLEXEDIT",   "TOVCNUMERICFIELD",
              "TOVCDBNUMERICFIELD"}},
    {"edit", {"TLMDCalculatorEdit"}},
    {"Radiobutton", {"TRzDBRadioButton", "TLMDRadiobutton"}},
    {"Groupbox", {"TLMDGroupBox"}},
    {"groupbox", {"TcxGroupbox"}},
    {"Checkbox", {"TDBCheckboxEh", "TDBCheckboxEh", "TLMDCHECKBOX", "TLMDDBCHECKBOX"}},
};

} // namespace

std::vector<std::string> DefaultSkin3rd() {
    std::vector<std::string> lines;
    for (const TKindGroup& group : kGroups)
        for (const char* name : group.classes)
            lines.push_back(std::string(name) + "=" + group.kind);
    return lines;
}

} // namespace skin
