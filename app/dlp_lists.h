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
// The light helpers work on a list box (UDLGLIST) or a combo box (UDLGCBOX).
template <class Items> void SetDirLightList(Items* list, const RENDPYL_MODEL* model);
template <class Items> RENDPYL_LIGHTDIR* GetDirLightList(Items* list);
template <class Items> void SelectDirLightList(Items* list, const RENDPYL_LIGHTDIR* light);

template <class Items> void SetPointLightList(Items* list, const RENDPYL_MODEL* model);
template <class Items> RENDPYL_LIGHTPOINT* GetPointLightList(Items* list);
template <class Items> void SelectPointLightList(Items* list, const RENDPYL_LIGHTPOINT* light);

// Item texts are the host materials' names, empty for a material the host no longer has.
void SetMtlList(UDLGLIST* list, const RENDPYL_MODEL* model);
RENDPYL_MTL* GetMtlList(UDLGLIST* list);
void SelectMtlList(UDLGLIST* list, const RENDPYL_MTL* mtl);
