// A combo box of the model's material records, optionally headed by a "なし" entry that stands for no
// material.
#pragma once
#include "ui/udlglist.h"

class RENDPYL_MODEL;
class RENDPYL_MTL;

struct DLP_MTLCBOX : UDLGCBOX {
    void AddMaterial(RENDPYL_MTL* mtl);
    // Empties the box; with a model, keeps it and the flag and lists its records, selecting the first
    // item. Without one, the stored model and flag stay as they were.
    void SetList(RENDPYL_MODEL* model, int withNone);
    void SetModel(RENDPYL_MODEL* model) { m_model = model; }
    // Selects the record's item; a record the model does not have selects "なし" when there is one.
    void SetMtl(const RENDPYL_MTL* mtl);
    // The selected record; null for "なし", no selection or no model.
    RENDPYL_MTL* GetMtl();

  private:
    int m_withNone = 0;
    RENDPYL_MODEL* m_model = nullptr; // not owned
};
