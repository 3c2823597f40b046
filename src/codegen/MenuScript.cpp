#include "codegen/MenuScript.h"

#include <string_view>

namespace pickwell {
namespace {

constexpr std::string_view Go = R"js((function () {
"use strict";
function go(form) {
var list = form.elements.selectsite;
var choice = list.options[list.selectedIndex];
if (!choice || choice.value === "nolink") {
return;
}
var target = form.getAttribute("data-pickwell-target");
if (target === "new") {
window.open(choice.value, "_blank", "noopener");
} else if (target === "frame") {
window.parent[form.getAttribute("data-pickwell-frame")].location.href = choice.value;
} else {
window.location.href = choice.value;
}
}
)js";

// The same page: the link resolved against the page's base, on the same origin (a file by its
// whole path), the paths equal once an ending index.html or index.htm is taken off, and the
// query and fragment equal only where the link has them.
constexpr std::string_view CurrentPage = R"js(function samePage(address) {
if (!address || address === "nolink") {
return false;
}
var here = new URL(window.location.href);
var link;
try {
link = new URL(address, document.baseURI);
} catch (error) {
return false;
}
if (link.protocol === "file:" ? here.protocol !== "file:" || link.host !== here.host :
link.origin !== here.origin) {
return false;
}
var index = /\/index\.html?$/;
if (link.pathname.replace(index, "/") !== here.pathname.replace(index, "/")) {
return false;
}
return (!link.search || link.search === here.search) && (!link.hash || link.hash === here.hash);
}
// With no item for this page the pre-selected item stays.
function showCurrent(form) {
if (!form.hasAttribute("data-pickwell-current")) {
return;
}
var options = form.elements.selectsite.options;
for (var i = 0; i < options.length; i += 1) {
if (samePage(options[i].value)) {
options[i].selected = true;
return;
}
}
}
function markLinks() {
var links = document.querySelectorAll("nav.pickwell-links a[href]");
Array.prototype.forEach.call(links, function (link) {
if (samePage(link.getAttribute("href"))) {
link.setAttribute("aria-current", "page");
} else {
link.removeAttribute("aria-current");
}
});
}
function init(form) {
// Every copy of the script finds every menu of the page: the first sets each one up.
if (form.hasAttribute("data-pickwell-ready")) {
return;
}
form.setAttribute("data-pickwell-ready", "");
showCurrent(form);
// A page brought back by the Back button shows its own item again, or the pre-selected one.
window.addEventListener("pageshow", function () {
form.reset();
showCurrent(form);
});
)js";

constexpr std::string_view Bind = R"js(var list = form.elements.selectsite;
form.addEventListener("submit", function (event) {
event.preventDefault();
go(form);
});
if (form.getAttribute("data-pickwell") !== "change") {
return;
}
// Moving through the list with the keys chooses nothing; Enter, a click or a choice in the
// opened list does.
var byKeys = false;
list.addEventListener("keydown", function (event) {
if (event.key === "Enter") {
event.preventDefault();
byKeys = false;
go(form);
return;
}
var opens = event.key === " " || event.key === "F4" ||
(event.altKey && (event.key === "ArrowDown" || event.key === "ArrowUp"));
byKeys = !opens;
});
list.addEventListener("mousedown", function () {
byKeys = false;
});
list.addEventListener("change", function () {
if (!byKeys) {
go(form);
}
});
}
function forms() {
return document.querySelectorAll("form[data-pickwell]");
}
function start() {
Array.prototype.forEach.call(forms(), init);
)js";

constexpr std::string_view Ready = R"js(if (document.readyState === "loading") {
document.addEventListener("DOMContentLoaded", start);
} else {
start();
}
)js";

constexpr std::string_view ResetOnBack =
    R"js(// A page brought back by the Back button shows the pre-selected item again, so that choosing
// the item chosen before navigates once more.
window.addEventListener("pageshow", function () {
Array.prototype.forEach.call(forms(), function (form) {
form.reset();
});
});
)js";

constexpr std::string_view End = "}());\n";

} // namespace

std::string MenuScript(ScriptForm form) {
    std::string out(Go);
    if (form == ScriptForm::Standards) {
        out += "function init(form) {\n";
        out += Bind;
        out += "}\n";
        out += Ready;
        out += ResetOnBack;
    } else {
        out += CurrentPage;
        out += Bind;
        out += "markLinks();\n}\n";
        out += Ready;
    }
    out += End;
    return out;
}

} // namespace pickwell
