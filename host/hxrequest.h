// The blocks that requests to the host carry: the sender's envelope and what the host fills in.
#pragma once

#include "host/hxplugin.h"
#include "host/hxwrap.h"

// The envelope of every request: who sends it and its parameter list (ended by a null key).
struct HXSendMessageInfo {
    DWORD product = 0;
    DWORD id = 0;
    DWORD reserved = 0;
    HXEventParam* params = nullptr;
};

// What the host's view shows.
struct HXSceneOption {
    int show_vertex;
    int show_line;
    int show_face;
    int front_only;
    int show_bkimg;
};

// The host's editing modes.
struct HXEditOption {
    int edit_vertex;
    int edit_line;
    int edit_face;
    int select_rect;
    int select_rope;
    int snap_x;
    int snap_y;
    int snap_z;
    int coordinate_type;
    int snap_grid;
    int symmetry;
    int symmetry_distance;
    int cur_obj_only;
};

// What to hit-test (in) and what was hit (out).
struct HXHitTestParam {
    int test_vertex;
    int test_line;
    int test_face;
    int hit_type;
    HXPOINT hit_pos;
    HXObjHandle hit_object;
    int hit_vertex;
    int hit_line;
    int hit_face;
};
