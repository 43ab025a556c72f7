.pragma library
// Glyphs of the "Font Awesome 6 Free" icon font by name. The font has two faces: the regular one
// (normal weight) draws only the glyphs listed in regularFace, the solid one (bold) draws them all.
// The kit's LabelIcon picks the face; pages only name the glyph.

var Family = "Font Awesome 6 Free";

var Plus = "\uf067";
var Minus = "\uf068";
var Edit = "\uf044";
var Pencil = "\uf303";
var EyeOpen = "\uf06e";
var EyeClose = "\uf070";
var Remove = "\uf00d";
var Trash = "\uf1f8";
var ZoomIn = "\uf00e";
var ZoomOut = "\uf010";
var RotateLeft = "\uf2ea";
var RotateRight = "\uf2f9";
var Copy = "\uf0c5";
var Table = "\uf0ce";
var ThList = "\uf00b";
var List = "\uf03a";
var Comments = "\uf086";
var Comment = "\uf075";
var Bell = "\uf0a2";
var Phone = "\uf095";
var Ok = "\uf00c";
var OkCircle = "\uf058";
var RemoveCircle = "\uf057";
var Lock = "\uf023";
var Unlock = "\uf09c";
var QuestionSign = "\uf059";
var InfoSign = "\uf05a";
var ExclamationSign = "\uf06a";
var WarningSign = "\uf071";
var Ellipsis_H = "\uf141";
var Ellipsis_V = "\uf142";
var CaretDown = "\uf0d7";
var CaretUp = "\uf0d8";
var CaretLeft = "\uf0d9";
var CaretRight = "\uf0da";
var ChevronLeft = "\uf053";
var ChevronRight = "\uf054";
var ChevronUp = "\uf077";
var ChevronDown = "\uf078";
var Search = "\uf002";
var Screenshot = "\uf05b";
var WindowRestore = "\uf2d2";
var WindowMaximize = "\uf2d0";
var Filter = "\uf0b0";
var Refresh = "\uf021";
var Save = "\uf0c7";
var Download = "\uf019";
var Upload = "\uf093";
var Print = "\uf02f";
var Calendar = "\uf133";
var Clock = "\uf017";
var User = "\uf007";
var Users = "\uf0c0";
var Car = "\uf1b9";
var Key = "\uf084";
var Cog = "\uf013";
var Envelope = "\uf0e0";
var Home = "\uf015";
var MapMarker = "\uf3c5";
var Money = "\uf3d1";
var CreditCard = "\uf09d";
var Star = "\uf005";
var Check = Ok;

// The glyphs above that the regular face has as well.
var regularFace = [Plus, Edit, EyeOpen, EyeClose, Copy, Comments, Comment, Bell, OkCircle, RemoveCircle,
                   QuestionSign, WindowRestore, WindowMaximize, Save, Calendar, Clock, User, Envelope,
                   Money, CreditCard, Star];

// Whether a glyph is drawn with the solid face: when bold is asked for, and for every glyph the
// regular face lacks (it would draw the missing-glyph box).
function isSolid(glyph, bold) {
    return bold || regularFace.indexOf(glyph) < 0;
}
