// The render settings as the "model" subtree of the element that the host keeps for the plug-in in its
// document. Only values that differ from their defaults are written; reading leaves absent ones alone.
#pragma once

#include "host/hxwrap.h"
#include "scene/rendpyl_model.h"

struct HXDocParam;

class RENDPYL_XMLSAVE {
  public:
    // Adds "model" to the parameter block's element and marks the block as saved; 0 and nothing
    // written when the document, the model or the element is missing.
    int Save(HXDoc doc, RENDPYL_MODEL* model, HXDocParam* param);

  private:
    HXDoc m_doc = nullptr;
    RENDPYL_MODEL* m_model = nullptr;
};

class RENDPYL_XMLLOAD {
  public:
    // Reads every "model" child of the parameter block's element into the model, which already holds
    // its material records and no lights. 0 when the document, the model or the element is missing.
    int Load(HXDoc doc, RENDPYL_MODEL* model, HXDocParam* param);

  private:
    HXDoc m_doc = nullptr;
    RENDPYL_MODEL* m_model = nullptr;
};
