#include "settingsfill.h"

void FillEveryField(RENDPYL_MODEL& model) {
    RENDPYL_RENDER* r = model.GetRender();
    r->width = 640;
    r->height = -480;
    r->backcol = RGBCOLOR(10, 20, 30, 40);
    r->SetBackFilename("C:\\back.bmp");
    r->use_back_flg.value = 0;
    r->anisotropy.value = 0.5f;
    r->homogeneousextinction.value = FVEC3(0.1f, 0.2f, 0.3f);
    r->homogeneousalbedo.value = FVEC3(0.4f, 0.5f, 0.6f);
    r->extinction.value = FVEC3(1, 2, 3);
    r->albedo.value = FVEC3(-1, -2, -3);
    r->origin.value = FVEC3(10, 20, 30);
    r->size.value = FVEC3(100, 200, 300);

    RENDPYL_CAMERA* c = model.GetCamera();
    c->SetBokehFilename("bokeh.bmp");
    c->film_size.value = 0.036f;
    c->use_focalratio.value = 1;
    c->focalratio.value = 2.8f;
    c->bokeh.value = FVEC3(0.5f, 0.25f, 0.125f);
    c->distortion.value = 0.9f;
    c->lenstilt.value = FVEC2(0.01f, 0.02f);
    c->filmtilt.value = FVEC2(0.03f, 0.04f);
    c->oblique.value = FVEC2(-0.05f, 0.06f);

    RENDPYL_LIGHTSKY* s = model.GetLightSky();
    s->SetFilename("sky.hdr");
    s->col.value = FVEC3(0.2f, 0.4f, 0.6f);
    s->scale.value = 3.0f;

    RENDPYL_LIGHTDIR* d = model.AddDirLight();
    d->SetName("Sun");
    d->SetFilename("sun.bmp");
    d->col.value = FVEC3(1.0f, 0.9f, 0.8f);
    d->scale.value = 2.0f;
    d->SetDir(FVEC3(0, -1, 0));
    d->SetSrcDir(FVEC3(0, 0, 1));
    d->reverse = 1;
    d->SetCamTrace(0);
    model.AddDirLight();

    RENDPYL_LIGHTPOINT* p = model.AddPointLight();
    p->SetName("Lamp");
    p->SetFilename("lamp.bmp");
    p->col.value = FVEC3(0.1f, 0.2f, 0.3f);
    p->scale.value = 5.0f;
    p->SetPos(FVEC3(1, 2, 3));
    model.AddPointLight();

    RENDPYL_MTL* m = model.FindMtlById(1001);
    m->ior.value = FVEC2(1.5f, 1.6f);
    m->reflection_ior.value = FVEC3(0.1f, 0.2f, 0.3f);
    m->specularre_flectance.value = FVEC3(0.9f, 0.8f, 0.7f);
    m->axis.value = FVEC3(1, 0, 0);
    m->jump[1] = 5;
    m->FindMap(RENDPYL_MAP_DIFFUSE)->scale = 2.0f;
    m->FindMap(RENDPYL_MAP_SPECULAR)->SetFilename("spec.bmp");
    m->FindMap(RENDPYL_MAP_SPECULAR)->col = RGBCOLOR(1, 2, 3, 255);
    m->FindMap(RENDPYL_MAP_EMISSION)->SetFilename("glow.bmp");
    m->FindMap(RENDPYL_MAP_EMISSION)->col = RGBCOLOR(255, 128, 0, 255);
    RENDPYL_MTLMAP* refl = m->FindMap(RENDPYL_MAP_REFLECTION);
    refl->SetFilename("env.bmp");
    refl->col = RGBCOLOR(4, 5, 6, 255);
    refl->scale = 0.25f;
    refl->use = 1;
    m->FindMap(RENDPYL_MAP_TRANSPARENCY)->col = RGBCOLOR(200, 200, 200, 255);
    m->FindMap(RENDPYL_MAP_NORMAL)->bmp_type = 1;

    // A reflection map with a file and use on, colour and scale left: only those two are written.
    RENDPYL_MTL* m3 = model.FindMtlById(1003);
    m3->FindMap(RENDPYL_MAP_REFLECTION)->SetFilename("chrome.bmp");
    m3->FindMap(RENDPYL_MAP_REFLECTION)->use = 1;
}
