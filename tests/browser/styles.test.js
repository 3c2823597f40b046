// What a current Chromium makes of the style values a menu's author chose, in the code file's
// page (no doctype) and in a page of today (one that begins with <!DOCTYPE html>). The tests
// assert what the browser does today, so that any change in it or in the code shows.
'use strict';

const assert = require('node:assert/strict');
const {after, before, test} = require('node:test');
const pages = require('./pages');

const CHOSEN = pages.CHOSEN_STYLES;

// Measured in Chromium 156: the list takes every value but, with a doctype, its unitless
// width; the option's own colours apply; the button's style attribute is no CSS, so none of
// its values apply in either page.
const APPLIED = {
    quirks : {list : Object.keys(CHOSEN.list), option : Object.keys(CHOSEN.option), button : []},
    standards : {
        list : Object.keys(CHOSEN.list).filter((property) => property !== 'width'),
        option : Object.keys(CHOSEN.option),
        button : [],
    },
};

let browser;
let folder;

before(async () => {
    browser = await pages.launch();
    folder = pages.makeFolder('pickwell-styles-');
});

after(async () => {
    await browser.close();
    pages.removeFolders();
});

test('in the code file page the list takes its styles and the button none', async () => {
    const {applied, mode, errors} = await pages.appliedStyles(
        browser.context, pages.codeFilePage(folder, 'browser_styles.pkw', 'styles.html'));
    assert.equal(mode, 'BackCompat');
    assert.deepEqual(applied, APPLIED.quirks);
    assert.deepEqual(errors, []);
});

test('in a page with a doctype the list loses its width and the button stays unstyled',
     async () => {
         const {functionCode, htmlCode} = pages.clipTexts('browser_styles.pkw');
         const url =
             pages.writePage(folder, 'doctype.html', pages.doctypePage(functionCode, htmlCode));
         const {applied, mode, errors} = await pages.appliedStyles(browser.context, url);
         assert.equal(mode, 'CSS1Compat');
         assert.deepEqual(applied, APPLIED.standards);
         assert.deepEqual(errors, []);
     });
