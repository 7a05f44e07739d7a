// The settings document of the main window: owns the render-settings model and remembers which
// lights and material the property pages show.
#pragma once

#include "base/umess.h"
#include "base/undo.h"
#include "scene/rendpyl_model.h"

class DLMAIN;
class EDITDLGMESS;
class FOUT;

class CELSDOC : public UNDOTARGET {
  public:
    CELSDOC();
    ~CELSDOC() override;
    CELSDOC(const CELSDOC&) = delete;
    CELSDOC& operator=(const CELSDOC&) = delete;

    // The main window and its message window; neither is owned.
    void Init(DLMAIN* mainWindow, EDITDLGMESS* messageWindow);

    // A fresh model, not yet installed: the caller deletes the old one and installs this one. Null
    // when memory runs out.
    RENDPYL_MODEL* NewScene();
    void SetScene(RENDPYL_MODEL* model) { m_model = model; }
    RENDPYL_MODEL* GetScene() const { return m_model; }
    void DeleteScene();
    // Makes the first light of each kind and the first material current; 0 without a model.
    int ResetCur();

    int GetMtlNum() const;
    RENDPYL_MTL* GetCurMtl() const;
    void SetCurMtl(RENDPYL_MTL* mtl);

    int GetDirLightNum() const;
    RENDPYL_LIGHTDIR* GetDirLight(int i) const;
    void DeleteAllDirLights();
    RENDPYL_LIGHTDIR* GetCurDirLight() const;
    void SetCurDirLight(RENDPYL_LIGHTDIR* light);
    int IsCurDirLight(const RENDPYL_LIGHTDIR* light) const;
    // Appends a light named "Light%d" with the lowest free number; dir is optional.
    RENDPYL_LIGHTDIR* AddDirLight(const FVEC3* dir);
    RENDPYL_LIGHTDIR* NewDirLight() { return AddDirLight(nullptr); }
    // Deletes the light; the one before it, or the new first one, becomes current. Returns it.
    RENDPYL_LIGHTDIR* DeleteDirLight(RENDPYL_LIGHTDIR* light);
    int GetNewDirLightNo() const;

    int GetPointLightNum() const;
    RENDPYL_LIGHTPOINT* GetPointLight(int i) const;
    void DeleteAllPointLights();
    RENDPYL_LIGHTPOINT* GetCurPointLight() const;
    void SetCurPointLight(RENDPYL_LIGHTPOINT* light);
    int IsCurPointLight(const RENDPYL_LIGHTPOINT* light) const;
    RENDPYL_LIGHTPOINT* AddPointLight(const FVEC3* pos);
    RENDPYL_LIGHTPOINT* NewPointLight() { return AddPointLight(nullptr); }
    RENDPYL_LIGHTPOINT* DeletePointLight(RENDPYL_LIGHTPOINT* light);
    int GetNewPointLightNo() const;

    void GetRenderSize(int& width, int& height) const;
    void SetRenderSize(int width, int height);

    // Snapshot hooks of the undo history: store into and restore from a memory stream. The settings
    // are carried over by the re-import itself, so a snapshot holds nothing.
    int ReadUndo(FOUT* stream) override;
    int WriteUndo(FOUT* stream, int flag) override;

  private:
    DLMAIN* m_main = nullptr;
    EDITDLGMESS* m_mess = nullptr;
    RENDPYL_MODEL* m_model = nullptr;
    RENDPYL_LIGHTDIR* m_curDirLight = nullptr;
    RENDPYL_LIGHTPOINT* m_curPointLight = nullptr;
    RENDPYL_MTL* m_curMtl = nullptr;
    UMESS m_umess;
};
