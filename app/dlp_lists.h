// Lists of the model's lights and material records. Each item carries its record as item data, so a
// selection leads straight to the record; items follow the model's order.
#pragma once
#include "ui/udlglist.h"

class RENDPYL_MODEL;
class RENDPYL_LIGHTDIR;
class RENDPYL_LIGHTPOINT;
class RENDPYL_MTL;

// Each Set empties the list, fills it from the model (only empties it without one) and selects the
// first item; each Get gives the selected record, or null; each Select selects a record that is in the
// list and leaves the selection alone otherwise. Null lists, models and records are accepted.
void SetDirLightList(UDLGLIST* list, const RENDPYL_MODEL* model);
RENDPYL_LIGHTDIR* GetDirLightList(UDLGLIST* list);
void SelectDirLightList(UDLGLIST* list, const RENDPYL_LIGHTDIR* light);

void SetPointLightList(UDLGLIST* list, const RENDPYL_MODEL* model);
RENDPYL_LIGHTPOINT* GetPointLightList(UDLGLIST* list);
void SelectPointLightList(UDLGLIST* list, const RENDPYL_LIGHTPOINT* light);

// Item texts are the host materials' names, empty for a material the host no longer has.
void SetMtlList(UDLGLIST* list, const RENDPYL_MODEL* model);
RENDPYL_MTL* GetMtlList(UDLGLIST* list);
void SelectMtlList(UDLGLIST* list, const RENDPYL_MTL* mtl);

// The light lists in combo boxes.
void SetDirLightList(UDLGCBOX* list, const RENDPYL_MODEL* model);
RENDPYL_LIGHTDIR* GetDirLightList(UDLGCBOX* list);
void SelectDirLightList(UDLGCBOX* list, const RENDPYL_LIGHTDIR* light);

void SetPointLightList(UDLGCBOX* list, const RENDPYL_MODEL* model);
RENDPYL_LIGHTPOINT* GetPointLightList(UDLGCBOX* list);
void SelectPointLightList(UDLGCBOX* list, const RENDPYL_LIGHTPOINT* light);
