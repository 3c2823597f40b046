// A new user's first menu: the project the program saves for its start-up defaults with three
// items typed in, generated as a code file and opened in Chromium. Its texts show in a Latin
// font, the list and the button take the styles the project holds, and neither html-validate
// nor axe finds anything to report.
'use strict';

const assert = require('node:assert/strict');
const fs = require('node:fs');
const {after, before, test} = require('node:test');
const pages = require('./pages');

const PROJECT = 'browser_defaults.pkw';
// The desktop's sans-serif on Debian with fonts-dejavu-core, which a new project's styles
// choose: a font with Latin letters, where a symbol font would draw "Go" as dingbats.
const LATIN_FONT = 'DejaVu Sans';
let browser;
let folder;

before(async () => {
    browser = await pages.launch();
    folder = pages.makeFolder('pickwell-defaults-');
});

after(async () => {
    await browser.close();
    pages.removeFolders();
});

// A style section's font values, and the alignment of the menu options, as computed style
// reports them.
function expectedStyles(project, name) {
    const style = pages.projectSection(project, name);
    const align = pages.projectSection(project, 'Menu Options')['Align to Button'];
    return {
        fontFamily : style.Font,
        fontSize : `${style['Font Size']}px`,
        fontWeight : style['Font Weight'],
        fontStyle : style.Italics === '1' ? 'italic' : 'normal',
        textDecorationLine : style.Underline === '1' ? 'underline' : 'none',
        verticalAlign : [ 'top', 'middle', 'bottom' ][Number(align)],
    };
}

// The computed values of `properties`, with only the first family of the font list: what a
// browser that has the font uses.
async function computedStyles(locator, properties) {
    return locator.evaluate((node, names) => {
        const style = getComputedStyle(node);
        return Object.fromEntries(names.map(
            (name) => [name, name === 'fontFamily'
                                 ? style.fontFamily.split(',')[0].replaceAll('"', '').trim()
                                 : style[name]]));
    }, properties);
}

// The fonts Chromium drew an element's text with, and how many glyphs each drew.
async function renderedFonts(page, selector) {
    const cdp = await page.context().newCDPSession(page);
    await cdp.send('DOM.enable');
    await cdp.send('CSS.enable');
    const {root} = await cdp.send('DOM.getDocument', {depth : -1, pierce : true});
    const {nodeId} = await cdp.send('DOM.querySelector', {nodeId : root.nodeId, selector});
    const {fonts} = await cdp.send('CSS.getPlatformFontsForNode', {nodeId});
    await cdp.detach();
    return fonts.map((font) => ({family : font.familyName, glyphs : font.glyphCount}));
}

test('a new project\'s menu shows in a Latin font with its styles, valid and accessible',
     async () => {
         const url = pages.codeFilePage(folder, PROJECT, 'defaults.html');
         const html = fs.readFileSync(new URL(url), 'utf8');
         assert.ok(html.startsWith('<!DOCTYPE html>'), 'a page of today');
         const {page, errors, navigations} = await pages.open(browser, url);
         assert.deepEqual(await page.evaluate(() => [document.compatMode, document.characterSet]),
                          [ 'CSS1Compat', 'UTF-8' ]);

         const list = page.getByLabel(pages.HIDDEN_LABEL);
         assert.deepEqual(await list.locator('option').allTextContents(),
                          [ 'Pick one', 'Novels', 'Café' ]);
         const button = page.getByRole('button', {name : 'Go'});
         for (const [element, locator, selector, section, shown] of [
                  [ 'list', list, 'select', 'Adv Menu Opts', 'Pick one' ],
                  [ 'button', button, 'input[type=submit]', 'Adv Button Opts', 'Go' ]]) {
             const expected = expectedStyles(PROJECT, section);
             const computed = await computedStyles(locator, Object.keys(expected));
             console.log(`${element}: ${JSON.stringify(computed)}`);
             assert.deepEqual(computed, expected, element);
             // Every glyph of the text shown is drawn in the Latin font: none in a symbol font,
             // none in a fallback for letters the font lacks.
             const fonts = await renderedFonts(page, selector);
             console.log(`${element} drawn with: ${JSON.stringify(fonts)}`);
             assert.deepEqual(fonts, [ {family : LATIN_FONT, glyphs : shown.length} ], element);
         }

         const report = await pages.htmlValidator(PROJECT).validateString(html);
         assert.ok(report.valid, JSON.stringify(report.results, null, 1));
         // The code file carries the codes; the pages around them are checked with the other
         // projects' in standards.test.js.
         assert.deepEqual(await pages.axeViolations(browser.context, url, 'form'), []);

         await list.selectOption('cafe.html');
         await button.click();
         await page.waitForURL(/cafe\.html$/);
         assert.deepEqual(navigations, [ 'cafe.html' ]);
         assert.deepEqual(errors, []);
     });
