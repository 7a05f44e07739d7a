// What the directional-light and point-light sub-pages share: a list of the model's lights of one
// kind, buttons that create and delete them through the settings document, and the fields of the
// current light, of which the three-component group is the one the two kinds use differently.
#pragma once
#include "app/dlp_page.h"
#include "ui/udlgcol.h"
#include "ui/udlgfvec.h"
#include "ui/udlglist.h"
#include "ui/udlgspin.h"
#include "ui/udlgtext.h"

class CELSDOC;

// The items of one kind's page, and the settings document's and model's functions for its lights.
template <class L> struct DLP_LIGHTKIND;

template <class L> class DLP_RENDPYLLIGHTLIST : public DLP_PAGE {
  public:
    using Kind = DLP_LIGHTKIND<L>;

    DLP_RENDPYLLIGHTLIST();

    // The settings document's current light when the open model holds it, else null.
    L* GetCurLight() const;
    // The light selected in the list when the open model holds it, else null.
    L* GetSelLight();
    // Refills the list from the model (its first item selected) and shows the current light.
    void SetList();
    void SetDlgData();
    void ClearDlgData();
    void GetDlgData();
    void EnableControls();

    LRESULT WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;

  protected:
    void OnInitDialog(HWND dialog) override;
    void OnCommand(int id) override;

    // The group's field of the record, as shown, and the group's value going into it.
    virtual FVEC3 GetVector(const L& light) const = 0;
    virtual void StoreVector(L& light, const FVEC3& v) = 0;
    // The fields of one kind only.
    virtual void ShowMore(L&) {}
    virtual void ClearMore() {}
    virtual void EnableMore(BOOL) {}

    CELSDOC* GetCelsDoc() const;

    UDLGLIST m_list;
    UDLGTEXT m_name;
    UDLGTEXT m_image;
    UDLGFVEC3 m_vector;
    UDLGCOL m_col;
    UDLGFLOAT m_scale;

  private:
    void OnSelect();
    void NewLight();
    void DeleteLight();
    void Rename();
};
