// Material records: their maps and the host material they belong to.
#include "scene/rendpyl_model.h"

RENDPYL_MTL::RENDPYL_MTL() {
    for (int type : {RENDPYL_MAP_DIFFUSE, RENDPYL_MAP_SPECULAR, RENDPYL_MAP_EMISSION, RENDPYL_MAP_REFLECTION,
                     RENDPYL_MAP_TRANSPARENCY, RENDPYL_MAP_NORMAL})
        AddMap(type);
}

RENDPYL_MTLMAP* RENDPYL_MTL::FindMap(int type) const {
    for (int i = 0; i < maps.GetCount(); ++i) {
        RENDPYL_MTLMAP* map = maps.Get(i);
        if (map && map->type == type) return map;
    }
    return nullptr;
}

RENDPYL_MTLMAP* RENDPYL_MTL::AddMap(int type) {
    RENDPYL_MTLMAP* map = AddMap();
    if (map) {
        map->type = type;
        map->SetDefault();
    }
    return map;
}

RENDPYL_MTLMAP* RENDPYL_MTL::AddMap() {
    RENDPYL_MTLMAP* map = maps.Add();
    if (map) map->owner = this;
    return map;
}

HXMat RENDPYL_MTL::GetHostMtl() const {
    if (!owner || !owner->GetDoc()) return nullptr;
    return FindHostMtlById(owner->GetDoc(), ID);
}

void RENDPYL_MTL::GetName(char* buffer) const {
    buffer[0] = '\0';
    if (HXMat host = GetHostMtl()) {
        host.GetName(buffer, 256);
        buffer[255] = '\0';
    }
}
