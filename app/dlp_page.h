// What every property page shares: a modeless child dialog made from its template, owned by the main
// window, whose controls are bound when the dialog initialises and which reads its record afresh on
// every use, so it never holds on to a model that may have been replaced.
#pragma once
#include <functional>
#include "ui/udlgtext.h"
#include "ui/uwin.h"

class DLMAIN;
class DLP_RENDPYRELL;
class RENDPYL_MODEL;

class DLP_PAGE : public UWIN {
  public:
    explicit DLP_PAGE(int templateId) : m_templateId(templateId) {}

    // Creates the dialog as a child of parent; its window, or 0. The tab table places the page, so
    // rect is not used.
    HWND Create(DLMAIN* owner, HWND parent, const URECT& rect);
    void SetPane(DLP_RENDPYRELL* pane) { m_pane = pane; }
    void SetContainer(DLP_PAGE* container) { m_container = container; }
    DLMAIN* GetOwner() const { return m_owner; }
    int GetTemplateId() const { return m_templateId; }

    LRESULT WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;

  protected:
    // Binds the controls to the dialog's items.
    virtual void OnInitDialog(HWND) {}
    // A control reported something; id is the item's id.
    virtual void OnCommand(int) {}

    // Binds a text field whose record holds size bytes: typing stops where the record is full, so
    // nothing typed is ever cut or refused.
    static void AttachText(UDLGTEXT& field, HWND dialog, int id, int size);

    // Lets the user choose a file, starting at current (a record's text; null: no record, no dialog).
    // The dialog is modal and the document may close or change meanwhile, so store looks its record
    // up again and takes the choice only when there still is one. 1 when stored.
    int BrowseFile(const char* current, const std::function<bool(const char*)>& store);
    // Chooses the file of the record that record() gives afresh (null: none), whose name text reads and
    // store writes; field shows what the record then holds. 1 when stored.
    template <class Lookup, class R>
    int BrowseRecordFile(Lookup record, const char* (R::*text)() const, void (R::*store)(const char*),
                         UDLGTEXT& field) {
        R* before = record();
        return BrowseFile(before ? (before->*text)() : nullptr, [&](const char* path) {
            R* now = record();
            if (!now) return false;
            (now->*store)(path);
            field.Printf("%s", (now->*text)());
            return true;
        });
    }

    // The model of the open document, or null when the owner, its document or the model is missing.
    RENDPYL_MODEL* GetModel() const;

    // Asks the fields in order with their test-and-clear GetChanged; the first that reports a change
    // stops the asking, so the later fields keep their flags.
    template <class... Fields> static bool AnyChanged(Fields&... fields) {
        return (fields.GetChanged() || ...);
    }

    // Held while a page fills its controls from its record. Controls notify the page as their text is
    // set; those notifications are echoes of the record, not edits, and storing the half-filled page then
    // would write stale values into the record.
    class FILLING {
      public:
        explicit FILLING(DLP_PAGE& page) : m_page(page), m_was(page.m_filling) { page.m_filling = true; }
        ~FILLING() { m_page.m_filling = m_was; }
        FILLING(const FILLING&) = delete;
        FILLING& operator=(const FILLING&) = delete;

      private:
        DLP_PAGE& m_page;
        bool m_was;
    };

    DLMAIN* m_owner = nullptr;
    DLP_RENDPYRELL* m_pane = nullptr;
    DLP_PAGE* m_container = nullptr;

  private:
    int m_templateId;
    bool m_filling = false;
};
