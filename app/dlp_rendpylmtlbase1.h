// The Material page's maps: the host material's diffuse colour and map names (shown only), and the
// current material record's specular, emission, reflection, transparency and normal maps.
#pragma once
#include "app/dlp_page.h"
#include "host/hxwrap.h"
#include "ui/udlgcheck.h"
#include "ui/udlgcol.h"
#include "ui/udlgspin.h"
#include "ui/udlgtext.h"

class RENDPYL_MTL;

class DLP_RENDPYLMTLBASE1 : public DLP_PAGE {
  public:
    DLP_RENDPYLMTLBASE1();

    // Null without the containing page, the owner or its document.
    RENDPYL_MTL* GetCurMtl() const;

    // Record and host material to controls; controls to record.
    void SetDlgData();
    void GetDlgData();

    int BrowseFile(char* buffer);
    // The current record's map of that type; nothing (null) without a record or such a map.
    void SetMapFile(int type, const char* name);
    const char* GetMapFile(int type) const;
    void SetSpecularFile(const char* name);
    void SetEmissionFile(const char* name);
    void SetReflectionFile(const char* name);
    const char* GetSpecularFile() const;
    const char* GetEmissionFile() const;
    const char* GetReflectionFile() const;

  protected:
    void OnInitDialog(HWND dialog) override;
    void OnCommand(int id) override;

  private:
    using FileSetter = void (DLP_RENDPYLMTLBASE1::*)(const char*);
    // Shows name in the map's file field and stores it in that map only.
    void SetFile(UDLGTEXT& field, int type, const char* name);
    // A typed file name stores only its own map, not the rest of the page.
    void CommitFile(UDLGTEXT& field, FileSetter set);
    // The host material's colour and map names; empty (white) when it is gone.
    void ShowHostMtl(HXMat host);
    // Lets the user choose a file for a map that exists, starting at its current one.
    void BrowseMapFile(const char* current, FileSetter set);

    UDLGTEXT m_diffuseTex;
    UDLGFLOAT m_diffuseScale;
    UDLGCOL m_diffuseCol;
    UDLGTEXT m_specularFile;
    UDLGCOL m_specularCol;
    UDLGTEXT m_emissionFile;
    UDLGCOL m_emissionCol;
    UDLGCHECK m_reflectionUse;
    UDLGTEXT m_reflectionFile;
    UDLGFLOAT m_reflectionScale;
    UDLGCOL m_reflectionCol;
    UDLGTEXT m_transparencyTex;
    UDLGCOL m_transparencyCol;
    UDLGTEXT m_normalTex;
    UDLGCHECK m_heightMap;
};
