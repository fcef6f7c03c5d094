// A stand-in copy of the catalogue's word list, used by the generator until the
// catalogue class itself is available to it. Remove once the generator enumerates CSlowa.
#include "tools/datagen/WordSource.h"

#include "platform/Text.h"

namespace {

const char* const kNotations[] = {
    "a,b,e,_c,a,d,ł,o,"_cp, "a,n,a,n,a,_s,"_cp, "a,p,t,e,_cz,k,a,"_cp, "a,r,b,u,_z,y,"_cp, "a,t,l,a,_s,"_cp,
    "a,u,t,o,b,u,_s,"_cp, "b,a,b,_ci,a,"_cp, "b,a,g,a,_ż,e,"_cp, "b,a,_s,e,n,"_cp, "b,e,_cz,k,a,"_cp,
    "b,i,e,g,a,_cz,"_cp, "b,i,_sz,k,o,p,t,y,"_cp, "b,ł,a,_z,e,n,"_cp, "b,o,_ci,a,n,"_cp, "b,r,ą,_z,o,w,y,"_cp,
    "b,_rz,u,ch,"_cp, "b,u,_c,_i,k,"_cp, "b,u,_dz,_i,k,"_cp, "b,u,_rz,a,"_cp, "b,u,_zi,a,"_cp, "_c,e,b,u,l,a,"_cp,
    "_c,e,g,ł,a,"_cp, "_c,e,m,e,n,t,"_cp, "_c,e,n,a,"_cp, "_c,e,n,n,i,k,"_cp, "_c,e,n,t,y,m,e,t,r,"_cp,
    "ch,ł,o,p,i,e,_c,"_cp, "_ci,ą,g,n,i,k,"_cp, "_ci,u,p,a,g,a,"_cp, "_c,u,k,i,e,r,k,i,"_cp, "_c,y,f,r,y,"_cp,
    "_c,y,m,b,a,ł,k,i,"_cp, "_c,y,r,k,"_cp, "_c,y,r,k,i,e,l,"_cp, "_c,y,t,r,y,n,a,"_cp, "_cz,a,j,n,i,k,"_cp,
    "_cz,a,p,k,a,"_cp, "_cz,a,r,n,y,"_cp, "_cz,e,k,o,l,a,d,a,"_cp, "_cz,e,p,e,k,"_cp, "_cz,e,r,w,o,n,y,"_cp,
    "_cz,o,ł,g,"_cp, "_cz,ó,ł,n,o,"_cp, "_cz,t,e,r,y,"_cp, "_cz,u,p,r,y,n,a,"_cp, "_cz,y,t,a,n,k,a,"_cp,
    "d,a,_sz,e,k,"_cp, "d,e,_s,k,a,"_cp, "d,r,e,_s,"_cp, "d,_rz,e,w,o,"_cp, "d,u,_sz,e,k,"_cp, "_dz,b,a,n,e,k,"_cp,
    "_dzi,a,d,e,k,"_cp, "_dzi,a,ł,o,"_cp, "_dz,_i,d,a,"_cp, "_dzi,e,n,n,i,k,"_cp, "_dzi,e,ń,"_cp, "_dzi,e,w,i,ą,t,k,a,"_cp,
    "_dz,_i,k,"_cp, "_dzi,ó,b,"_cp, "_dzi,u,p,l,a,"_cp, "_dzi,u,r,a,"_cp, "_dz,w,o,n,e,k,"_cp, "_dź,w,i,g,"_cp,
    "_dż,e,m,"_cp, "_dż,i,n,"_cp, "_dż,o,k,e,j,"_cp, "_dż,o,k,e,r,"_cp, "_dż,u,d,o,"_cp, "_dż,u,d,o,k,a,"_cp,
    "_dż,u,n,g,l,a,"_cp, "f,i,l,i,_ż,a,n,k,a,"_cp, "g,a,ł,ę,_zi,e,"_cp, "g,a,_z,e,t,a,"_cp, "g,l,o,b,u,_s,"_cp,
    "g,ni,a,_z,d,o,"_cp, "g,o,_dz,_i,n,a,"_cp, "g,r,o,_sz,"_cp, "g,r,u,_sz,k,a,"_cp, "g,_rz,e,b,i,e,ń,"_cp,
    "g,_rz,y,b,"_cp, "g,u,_z,_i,k,"_cp, "g,w,i,a,_z,d,a,"_cp, "h,a,_cz,y,k,"_cp, "h,u,_ś,t,a,w,k,a,"_cp,
    "j,a,b,ł,u,_sz,k,o,"_cp, "j,a,_rz,ę,b,i,n,a,"_cp, "j,a,_s,k,ó,ł,k,a,"_cp, "j,e,_ż,e,"_cp, "j,e,_ż,y,n,a,"_cp,
    "j,ę,_z,y,k,"_cp, "k,a,_cz,k,a,"_cp, "k,a,k,t,u,_s,"_cp, "k,a,l,o,_sz,"_cp, "k,a,l,o,_sz,e,"_cp,
    "k,a,ł,u,_ż,a,"_cp, "k,a,p,e,l,u,_sz,"_cp, "k,a,p,_s,e,l,"_cp, "k,a,p,u,_s,t,a,"_cp, "k,a,_s,a,"_cp,
    "k,a,_s,e,t,a,"_cp, "k,a,_sz,a,"_cp, "k,i,e,l,i,_sz,e,k,"_cp, "k,i,e,r,o,w,n,i,_c,a,"_cp, "k,i,e,_sz,e,ń,"_cp,
    "k,i,o,_s,k,"_cp, "k,l,a,_cz,"_cp, "k,l,a,w,i,_sz,"_cp, "k,l,i,_sz,a,"_cp, "k,l,o,_c,k,i,"_cp, "k,l,o,_sz,"_cp,
    "k,l,u,_cz,"_cp, "k,l,u,_cz,y,k,"_cp, "k,ł,o,_s,"_cp, "k,o,_ci,a,k,"_cp, "k,o,_ci,o,ł,"_cp, "k,o,k,o,_s,"_cp,
    "k,o,l,e,_c,"_cp, "k,o,ł,y,_s,k,a,"_cp, "k,o,m,i,k,_s,"_cp, "k,o,m,p,a,_s,"_cp, "k,o,_rz,e,ń,"_cp,
    "k,o,_s,t,k,a,"_cp, "k,o,_sz,"_cp, "k,o,_sz,u,l,a,"_cp, "k,o,_sz,y,k,"_cp, "k,o,t,w,i,_c,a,"_cp,
    "k,o,_z,a,"_cp, "k,o,_zi,o,ł,"_cp, "k,u,k,u,r,y,_dz,a,"_cp, "l,a,_s,"_cp, "l,a,t,a,w,i,e,_c,"_cp,
    "l,e,j,_c,e,"_cp, "l,e,_ż,a,k,"_cp, "l,i,_cz,n,i,k,"_cp, "l,i,_cz,y,d,ł,o,"_cp, "l,i,_s,"_cp, "l,i,_s,t,"_cp,
    "l,i,_s,t,e,k,"_cp, "l,i,s,t,o,n,o,_sz,"_cp, "l,i,_s,y,"_cp, "l,i,_z,a,k,"_cp, "l,o,_s,"_cp, "l,u,_s,t,e,r,k,o,"_cp,
    "ł,a,b,ę,_dź,"_cp, "ł,a,_zi,e,n,k,a,"_cp, "ł,o,_dzi,e,"_cp, "ł,o,_ś,"_cp, "ł,ó,_dź,"_cp, "ł,u,_s,k,a,"_cp,
    "ł,y,_ż,w,y,"_cp, "m,a,_cz,u,g,a,"_cp, "m,a,g,n,e,_s,"_cp, "m,a,m,u,_si,a,"_cp, "m,a,_s,k,a,"_cp,
    "m,a,_sz,t,"_cp, "m,a,_sz,y,n,a,"_cp, "m,a,_z,a,k,"_cp, "m,i,e,_cz,"_cp, "m,i,_si,e,"_cp, "m,i,_s,k,a,"_cp,
    "m,i,_ś,"_cp, "m,o,_s,t,"_cp, "m,o,t,o,_c,y,k,l,"_cp, "m,u,_sz,e,l,k,a,"_cp, "m,y,_sz,"_cp, "m,y,_sz,k,a,"_cp,
    "n,a,_si,o,n,a,"_cp, "n,a,_sz,y,j,n,i,k,"_cp, "n,i,_ć,"_cp, "n,o,_c,"_cp, "n,o,_s,"_cp, "n,o,_sz,e,"_cp,
    "n,o,t,e,_s,"_cp, "o,b,r,u,_s,"_cp, "o,_cz,y,"_cp, "o,g,ł,o,_sz,e,ni,e,"_cp, "o,g,r,y,_z,e,k,"_cp,
    "o,k,u,_ci,e,"_cp, "o,_rz,e,ch,"_cp, "o,_s,a,"_cp, "o,t,w,i,e,r,a,_cz,"_cp, "o,w,_c,a,"_cp, "o,w,o,_c,e,"_cp,
    "p,a,_cz,k,a,"_cp, "p,a,j,a,_c,"_cp, "p,a,j,ę,_cz,y,n,a,"_cp, "p,a,l,e,_c,"_cp, "p,a,p,r,o,_ć,"_cp,
    "p,a,r,a,_s,o,l,"_cp, "p,a,_s,e,k,"_cp, "p,a,t,y,_cz,e,k,"_cp, "p,ą,_cz,e,k,"_cp, "p,ę,_dz,e,l,"_cp,
    "p,i,e,_c,"_cp, "p,i,e,_cz,a,r,k,i,"_cp, "p,i,e,_cz,ą,t,k,a,"_cp, "p,i,e,ni,ą,_dz,e,"_cp, "p,i,e,_s,"_cp,
    "p,i,ó,r,o,p,u,_sz,"_cp, "p,i,_s,a,n,k,a,"_cp, "p,i,_s,k,l,ę,"_cp, "p,l,a,_c,e,k,"_cp, "p,l,a,_s,t,e,r,"_cp,
    "p,l,a,_ż,a,"_cp, "p,l,e,_c,a,k,"_cp, "p,l,u,_s,"_cp, "p,o,_ci,ą,g,"_cp, "p,o,_cz,t,a,"_cp, "p,o,_cz,t,ó,w,k,a,"_cp,
    "p,o,d,u,_sz,k,a,"_cp, "p,o,r,ę,_cz,"_cp, "p,o,_ż,a,r,"_cp, "p,r,e,_z,e,n,t,"_cp, "p,_s,y,"_cp, "p,t,a,_sz,e,k,"_cp,
    "p,u,_sz,k,a,"_cp, "r,ó,_ż,a,"_cp, "r,ó,_ż,o,w,y,"_cp, "r,y,_s,u,n,e,k,"_cp, "_rz,e,k,a,"_cp, "_rz,e,p,a,"_cp,
    "_rz,ę,s,y,"_cp, "_rz,o,d,k,i,e,w,k,i,"_cp, "_s,a,d,"_cp, "_s,a,k,i,e,w,k,a,"_cp, "_s,a,m,o,ch,ó,d,"_cp,
    "_s,a,m,o,l,o,t,"_cp, "_s,a,n,k,i,"_cp, "_s,a,r,e,n,k,a,"_cp, "_s,ę,p,"_cp, "_si,a,t,k,a,"_cp, "_s,_i,d,ł,a,"_cp,
    "_si,e,k,i,e,r,a,"_cp, "_si,e,r,p,"_cp, "_s,_i,k,a,w,k,a,"_cp, "_s,_i,l,n,i,k,"_cp, "_si,o,d,e,ł,k,o,"_cp,
    "_si,o,d,ł,o,"_cp, "_s,_i,t,k,o,"_cp, "_s,k,a,k,a,n,k,a,"_cp, "_s,k,a,r,b,"_cp, "_s,k,a,r,p,e,t,k,i,"_cp,
    "_s,k,o,b,e,l,"_cp, "_s,ł,o,i,k,"_cp, "_s,ł,o,m,k,a,"_cp, "_s,ł,o,n,k,o,"_cp, "_s,ł,o,ń,"_cp, "_s,ł,u,p,"_cp,
    "_s,o,p,l,e,"_cp, "_s,o,w,a,"_cp, "_s,ó,l,"_cp, "_s,t,e,m,p,e,l,"_cp, "_s,t,o,"_cp, "_s,t,o,k,r,o,t,k,a,"_cp,
    "_s,t,o,n,k,a,"_cp, "_s,t,o,n,o,g,a,"_cp, "_s,t,o,p,i,e,ń,"_cp, "_s,t,ó,ł,"_cp, "_s,t,r,a,ch,"_cp,
    "_s,t,u,d,ni,a,"_cp, "_s,u,m,"_cp, "_s,u,w,a,k,"_cp, "_s,y,f,o,n,"_cp, "_sz,a,b,l,a,"_cp, "_sz,a,ch,y,"_cp,
    "_sz,a,l,i,k,"_cp, "_sz,a,m,p,a,n,"_cp, "_sz,a,m,p,o,n,"_cp, "_sz,e,l,k,i,"_cp, "_sz,e,w,"_cp, "_sz,k,l,a,n,k,a,"_cp,
    "_sz,k,o,ł,a,"_cp, "_sz,n,u,r,"_cp, "_sz,n,u,r,ó,w,k,i,"_cp, "_sz,o,p,a,"_cp, "_sz,o,r,t,y,"_cp,
    "_sz,p,i,l,k,a,"_cp, "_sz,p,i,t,a,l,"_cp, "_sz,u,f,e,l,k,a,"_cp, "_sz,u,f,l,a,d,a,"_cp, "_sz,y,b,a,"_cp,
    "_sz,y,d,e,ł,k,o,"_cp, "_sz,y,j,a,"_cp, "_sz,y,n,k,a,"_cp, "_ś,l,i,m,a,k,"_cp, "_ś,l,i,w,k,i,"_cp,
    "_ś,m,i,g,ł,o,"_cp, "_ś,ni,e,g,"_cp, "_ś,p,i,w,ó,r,"_cp, "_ś,r,u,b,a,"_cp, "_ś,w,i,ni,a,"_cp, "t,a,b,l,i,_c,a,"_cp,
    "t,a,_c,a,"_cp, "t,a,k,_s,ó,w,k,a,"_cp, "t,a,_s,a,k,"_cp, "t,e,_cz,k,a,"_cp, "t,e,n,i,_s,"_cp, "t,ę,_cz,a,"_cp,
    "t,u,_sz,"_cp, "t,y,_dzi,e,ń,"_cp, "t,y,g,r,y,_s,"_cp, "u,l,i,_c,a,"_cp, "u,_s,t,a,"_cp, "u,_sz,y,"_cp,
    "w,a,l,i,_z,a,"_cp, "w,a,r,k,o,_cz,"_cp, "w,a,_rz,y,w,a,"_cp, "w,a,_z,o,n,"_cp, "w,ą,_s,y,"_cp, "w,ę,_z,e,ł,"_cp,
    "w,i,d,e,l,e,_c,"_cp, "w,i,e,_sz,a,k,"_cp, "w,i,e,_ż,a,"_cp, "w,i,o,_s,ł,o,"_cp, "w,i,_ś,ni,a,"_cp,
    "w,ł,o,_s,"_cp, "w,ł,ó,_cz,ni,a,"_cp, "w,o,_z,y,"_cp, "w,y,_s,p,a,"_cp, "_z,a,b,a,w,k,i,"_cp, "_z,a,k,r,ę,t,"_cp,
    "_z,a,k,u,p,y,"_cp, "_z,a,m,e,k,"_cp, "_z,a,p,a,ł,k,i,"_cp, "_z,ą,b,"_cp, "_z,e,b,r,a,"_cp, "_z,e,g,a,r,"_cp,
    "_z,e,r,o,"_cp, "_zi,a,r,n,o,"_cp, "_zi,e,m,i,a,"_cp, "_z,l,e,w,"_cp, "_z,ł,o,t,o,"_cp, "_z,ł,o,t,ó,w,k,a,"_cp,
    "_z,n,a,k,"_cp, "_z,u,p,a,"_cp, "_ź,r,e,b,i,ę,"_cp, "_ż,a,b,a,"_cp, "_ż,a,g,i,e,l,"_cp, "_ż,a,g,l,ó,w,k,a,"_cp,
    "_ż,a,r,ó,w,k,a,"_cp, "_ż,ą,d,ł,o,"_cp, "_ż,e,b,r,a,"_cp, "_ż,m,i,j,a,"_cp, "_ż,o,n,k,i,l,"_cp, "_ż,ó,ł,t,k,o,"_cp,
    "_ż,ó,ł,t,y,"_cp, "_ż,ó,ł,w,"_cp, "_ż,u,k,"_cp, "_ż,u,r,a,w,"_cp, "_ż,y,l,e,t,k,a,"_cp, "_ż,y,r,a,f,a,"_cp,
    "_ż,y,r,a,n,d,o,l,"_cp,
};

}  // namespace

std::vector<std::string> StandInNotations()
{
    return {std::begin(kNotations), std::end(kNotations)};
}
