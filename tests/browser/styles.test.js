// What a current Chromium makes of the style values a menu's author chose, in the code file's
// page (no doctype) and in a page of today (one that begins with <!DOCTYPE html>). The tests
// assert what the browser does today, so that any change in it or in the code shows.
'use strict';

const assert = require('node:assert/strict');
const { after, before, test } = require('node:test');
const pages = require('./pages');

// The values chosen in tests/data/browser_styles.pkw, as computed style reports them.
const CHOSEN = {
    list: {
        fontSize: '17px', fontFamily: 'DejaVu Serif', fontWeight: '700', fontStyle: 'italic',
        textDecorationLine: 'underline', width: '260px', backgroundColor: 'rgb(255, 244, 214)',
        color: 'rgb(31, 58, 147)',
    },
    option: { backgroundColor: 'rgb(255, 255, 204)', color: 'rgb(128, 0, 0)' },
    button: {
        fontSize: '15px', fontFamily: 'DejaVu Sans Mono', fontWeight: '600', fontStyle: 'italic',
        textDecorationLine: 'underline', width: '120px', height: '40px',
        backgroundColor: 'rgb(46, 125, 50)', color: 'rgb(255, 255, 255)',
        borderTopColor: 'rgb(165, 214, 167)', borderLeftColor: 'rgb(165, 214, 167)',
        borderRightColor: 'rgb(27, 94, 32)', borderBottomColor: 'rgb(27, 94, 32)',
        borderTopStyle: 'solid', borderTopWidth: '3px',
    },
};

// Measured in Chromium 156: the list takes every value but, with a doctype, its unitless
// width; the option's own colours apply; the button's style attribute is no CSS, so none of
// its values apply in either page.
const APPLIED = {
    quirks: { list: Object.keys(CHOSEN.list), option: Object.keys(CHOSEN.option), button: [] },
    standards: {
        list: Object.keys(CHOSEN.list).filter((property) => property !== 'width'),
        option: Object.keys(CHOSEN.option),
        button: [],
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

// For each element, the chosen properties whose computed value is the chosen one; the
// computed values go to the test's output, to be read beside the chosen ones.
async function appliedStyles(url) {
    const page = await browser.context.newPage();
    const errors = pages.watchErrors(page);
    await page.goto(url);
    const selectors = { list: 'select', option: 'option', button: 'input[type=submit]' };
    const applied = {};
    for (const [element, chosen] of Object.entries(CHOSEN)) {
        const computed = await page.locator(selectors[element]).first().evaluate(
            (node, properties) => {
                const style = getComputedStyle(node);
                return Object.fromEntries(properties.map((p) => [p, style[p].replaceAll('"', '')]));
            },
            Object.keys(chosen));
        console.log(`${url.split('/').pop()} ${element}: ${JSON.stringify(computed)}`);
        applied[element] = Object.keys(chosen).filter((p) => computed[p] === chosen[p]);
    }
    const mode = await page.evaluate(() => document.compatMode);
    await page.close();
    return { applied, mode, errors };
}

test('in the code file page the list takes its styles and the button none', async () => {
    const { applied, mode, errors } =
        await appliedStyles(pages.codeFilePage(folder, 'browser_styles.pkw', 'styles.html'));
    assert.equal(mode, 'BackCompat');
    assert.deepEqual(applied, APPLIED.quirks);
    assert.deepEqual(errors, []);
});

test('in a page with a doctype the list loses its width and the button stays unstyled',
     async () => {
    const { functionCode, htmlCode } = pages.clipTexts('browser_styles.pkw');
    const url = pages.writePage(folder, 'doctype.html',
                                '<!DOCTYPE html><html><head><meta charset="utf-8">' +
                                `<title>Styles</title>${functionCode}</head><body>${htmlCode}` +
                                '</body></html>');
    const { applied, mode, errors } = await appliedStyles(url);
    assert.equal(mode, 'CSS1Compat');
    assert.deepEqual(applied, APPLIED.standards);
    assert.deepEqual(errors, []);
});
