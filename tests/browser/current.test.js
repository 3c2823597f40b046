// One menu on every page of a site, with the current page shown: served over HTTP, each page's
// list shows the item that leads to it, whether its link names index.html or only the folder,
// also after the menu went elsewhere and Back came back; a page on no item shows the
// pre-selected one. Both ways of placing the code: the three files and the pasted codes.
'use strict';

const assert = require('node:assert/strict');
const {after, before, test} = require('node:test');
const pages = require('./pages');
const site = require('./site');

const PROJECT = 'browser_site_current.pkw';
// The address of each visit and the link of the item its list then shows; no two visits in a
// row differ in their fragment alone, so that each one loads the page.
const VISITS = [
    [ '/', '/' ],
    [ '/about.html#team', '/about.html#team' ],
    [ '/index.html', '/' ],
    [ '/about.html?from=mail', '/about.html' ],
    [ '/shop/', '/shop/index.html' ],
    [ '/shop/cart.html', '/shop/cart.html' ],
    [ '/shop/index.html', '/shop/index.html' ],
    [ '/shop/cart.html?gift=1', '/shop/cart.html?gift=1' ],
    [ '/about.html', '/about.html' ],
    [ '/elsewhere.html', 'nolink' ],
];
let browser;

before(async () => { browser = await pages.launch(); });

after(async () => {
    await browser.close();
    pages.removeFolders();
});

for (const [form, makeSite] of Object.entries(site.FORMS)) {
    test(`${form}: each page's list shows its own item, and after Back again`, async (t) => {
        const server = await site.serve(makeSite(`pickwell-current-${form}-`, PROJECT));
        t.after(server.close);
        const {page, errors} = await pages.open(browser, `${server.origin}/`);
        const list = page.locator('form[name=site] select');
        const shown = async (address) => {
            await page.goto(server.origin + address);
            return list.inputValue();
        };

        for (const [address, link] of VISITS) {
            const value = await shown(address);
            console.log(`${form} ${address}: ${value}`);
            assert.equal(value, link, address);
        }

        // From the page on no item, and from an item's page, to another item and back.
        for (const [from, to, back] of [[ '/elsewhere.html', '/about.html', 'nolink' ],
                                        [ '/shop/', '/shop/cart.html', '/shop/index.html' ]]) {
            await shown(from);
            await list.selectOption(to);
            await page.getByRole('button', {name : 'Go'}).click();
            await page.waitForURL(server.origin + to);
            assert.equal(await list.inputValue(), to, `${to} after the menu went there`);
            await page.goBack();
            await page.waitForURL(server.origin + from);
            const value = await list.inputValue();
            console.log(`${form} Back from ${to} to ${from}: ${value}`);
            assert.equal(value, back, `${from} after Back`);
        }
        assert.deepEqual(errors, []);
    });
}
